#include "archive/sessionfile.h"

#include "archive/fileaccess.h"

#include <QByteArray>

#include <cstring>

namespace
{
constexpr qint64 kBlockRecords = 256; // about 1.5 MB per read
int g_lockTimeoutMs = 5000;
} // namespace

int SessionFile::lockTimeoutMs()
{
    return g_lockTimeoutMs;
}

void SessionFile::setLockTimeoutMs(int ms)
{
    g_lockTimeoutMs = ms;
}

SessionFile::SessionFile(const QString &path) : m_path(path)
{
    FileAccess &access = FileAccess::current();
    m_device = access.openReadWrite(path);
    if (!m_device)
        throw SessionError(QStringLiteral("Impossibile aprire il file %1").arg(path));
    if (!access.lockExclusive(*m_device, g_lockTimeoutMs)) {
        m_device.reset();
        throw SessionError(QStringLiteral("Il file %1 è in uso da un altro programma").arg(path));
    }
    const qint64 size = m_device->size();
    if (size < 0) {
        m_device.reset();
        throw SessionError(QStringLiteral("Impossibile leggere la dimensione del file %1").arg(path));
    }
    m_count = size / TScheda::kSize;
}

SessionFile::~SessionFile()
{
    if (m_device) {
        // Closing on an error path: the data written so far still reaches the disk.
        if (m_written)
            FileAccess::current().syncToDisk(*m_device);
        m_device->close();
    }
}

void SessionFile::seekIndex(qint64 index)
{
    if (!m_device)
        throw SessionError(QStringLiteral("Il file %1 è chiuso").arg(m_path));
    if (!m_device->seek(index * TScheda::kSize))
        throw SessionError(QStringLiteral("Posizionamento non riuscito nel file %1").arg(m_path));
}

TScheda SessionFile::read(qint64 index)
{
    if (index < 0 || index >= m_count)
        throw SessionError(QStringLiteral("La scheda %1 non esiste").arg(index + 1));
    seekIndex(index);
    TScheda record;
    if (m_device->read(record.bytes(), TScheda::kSize) != TScheda::kSize)
        throw SessionError(QStringLiteral("Lettura non riuscita nel file %1").arg(m_path));
    m_position = index + 1;
    return record;
}

void SessionFile::readAll(const std::function<void(qint64, const TScheda &)> &visit)
{
    seekIndex(0);
    m_position = 0;
    QByteArray block;
    while (m_position < m_count) {
        const qint64 n = std::min(kBlockRecords, m_count - m_position);
        const qint64 bytes = n * TScheda::kSize;
        block.resize(bytes);
        if (m_device->read(block.data(), bytes) != bytes)
            throw SessionError(QStringLiteral("Lettura non riuscita nel file %1").arg(m_path));
        // The record is an array of chars: any address is suitably aligned.
        const auto *records = reinterpret_cast<const TScheda *>(block.constData());
        for (qint64 i = 0; i < n; ++i) {
            visit(m_position, records[i]);
            ++m_position;
        }
    }
}

void SessionFile::writeAt(qint64 index, const TScheda &record)
{
    seekIndex(index);
    m_written = true;
    if (m_device->write(record.bytes(), TScheda::kSize) != TScheda::kSize)
        throw SessionError(QStringLiteral("Scrittura non riuscita nel file %1").arg(m_path));
    m_position = index + 1;
}

void SessionFile::overwrite(qint64 index, const TScheda &record)
{
    if (index < 0 || index >= m_count)
        throw SessionError(QStringLiteral("La scheda %1 non esiste").arg(index + 1));
    const TScheda before = read(index);
    try {
        writeAt(index, record);
    } catch (const SessionError &) {
        // Put the stored record back rather than leave it half written.
        if (m_device->seek(index * TScheda::kSize))
            m_device->write(before.bytes(), TScheda::kSize);
        throw;
    }
}

qint64 SessionFile::append(const TScheda &record)
{
    // What lies past the last whole record (normally nothing) is kept so that a
    // failed append leaves the file exactly as it was.
    const qint64 end = m_count * TScheda::kSize;
    QByteArray tail;
    if (m_device->size() > end) {
        seekIndex(m_count);
        tail = m_device->read(m_device->size() - end);
    }
    try {
        writeAt(m_count, record);
    } catch (const SessionError &) {
        FileAccess::current().resize(*m_device, end);
        if (!tail.isEmpty() && m_device->seek(end))
            m_device->write(tail);
        throw;
    }
    if (m_appendedAt < 0) {
        m_appendedAt = end;
        m_appendTail = tail;
    }
    ++m_count;
    return m_count;
}

qint64 SessionFile::appendAll(const QList<TScheda> &records)
{
    const qint64 first = m_count + 1;
    if (records.isEmpty())
        return first;
    const qint64 end = m_count * TScheda::kSize;
    QByteArray tail;
    if (m_device->size() > end) {
        seekIndex(m_count);
        tail = m_device->read(m_device->size() - end);
    }
    FileAccess &access = FileAccess::current();
    try {
        seekIndex(m_count);
        m_written = true;
        QByteArray block;
        for (qsizetype done = 0; done < records.size();) {
            const qsizetype n = std::min<qsizetype>(kBlockRecords, records.size() - done);
            block.resize(n * TScheda::kSize);
            for (qsizetype i = 0; i < n; ++i)
                std::memcpy(block.data() + i * TScheda::kSize, records[done + i].bytes(), TScheda::kSize);
            if (m_device->write(block) != block.size())
                throw SessionError(QStringLiteral("Scrittura non riuscita nel file %1").arg(m_path));
            done += n;
        }
        // The records count as stored only once they are on the disk.
        if (!access.syncToDisk(*m_device))
            throw SessionError(QStringLiteral("Salvataggio non riuscito nel file %1").arg(m_path));
    } catch (const SessionError &) {
        // Back to the old length first, so putting the partial tail back only
        // rewrites bytes the file has (which works even on a full disk).
        access.resize(*m_device, end + tail.size());
        if (!tail.isEmpty() && m_device->seek(end))
            m_device->write(tail);
        access.syncToDisk(*m_device);
        throw;
    }
    m_count += records.size();
    m_position = m_count;
    return first;
}

void SessionFile::close()
{
    if (!m_device)
        return;
    FileAccess &access = FileAccess::current();
    const bool synced = !m_written || access.syncToDisk(*m_device);
    if (!synced && m_appendedAt >= 0) {
        access.resize(*m_device, m_appendedAt);
        if (!m_appendTail.isEmpty() && m_device->seek(m_appendedAt))
            m_device->write(m_appendTail);
        access.syncToDisk(*m_device);
        m_count = m_appendedAt / TScheda::kSize;
    }
    m_appendedAt = -1;
    m_written = false;
    m_device->close();
    m_device.reset();
    if (!synced)
        throw SessionError(QStringLiteral("Salvataggio non riuscito nel file %1").arg(m_path));
}

void SessionFile::forEach(const QString &path, const std::function<void(qint64, const TScheda &)> &visit)
{
    SessionFile file(path);
    file.readAll(visit);
    file.close();
}
