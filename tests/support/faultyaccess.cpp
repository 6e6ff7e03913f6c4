#include "faultyaccess.h"

namespace
{

// A file whose reads and writes stop working after a number of bytes.
class LimitedDevice : public QIODevice
{
public:
    LimitedDevice(std::unique_ptr<QIODevice> inner, qint64 readLimit, qint64 writeLimit, bool diskFull)
        : m_inner(std::move(inner)), m_readLeft(readLimit), m_writeLeft(writeLimit), m_diskFull(diskFull)
    {
        QIODevice::open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }
    QIODevice *inner() const { return m_inner.get(); }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_inner->size(); }
    bool seek(qint64 pos) override { return QIODevice::seek(pos) && m_inner->seek(pos); }
    void close() override
    {
        m_inner->close();
        QIODevice::close();
    }

protected:
    qint64 readData(char *data, qint64 maxlen) override
    {
        if (m_readLeft == 0)
            return -1;
        if (m_readLeft > 0)
            maxlen = std::min(maxlen, m_readLeft);
        const qint64 n = m_inner->read(data, maxlen);
        if (n > 0 && m_readLeft > 0)
            m_readLeft -= n;
        return n;
    }
    qint64 writeData(const char *data, qint64 len) override
    {
        // A full disk still takes rewrites of bytes the file already has.
        if (m_diskFull && m_inner->pos() + len <= m_inner->size())
            return m_inner->write(data, len);
        if (m_writeLeft >= 0 && len > m_writeLeft) {
            if (!m_diskFull)
                return -1; // an I/O error: nothing of this write reaches the file
            // A full disk: what still fits is written, then the write stops short.
            const qint64 n = m_writeLeft > 0 ? m_inner->write(data, m_writeLeft) : 0;
            m_writeLeft = 0;
            return n > 0 ? n : -1;
        }
        const qint64 n = m_inner->write(data, len);
        if (n > 0 && m_writeLeft > 0)
            m_writeLeft -= n;
        return n;
    }

private:
    std::unique_ptr<QIODevice> m_inner;
    qint64 m_readLeft;
    qint64 m_writeLeft;
    bool m_diskFull;
};

} // namespace

std::unique_ptr<QIODevice> FaultyAccess::openReadWrite(const QString &path)
{
    ++openings;
    if (refuseOpen)
        return nullptr;
    auto inner = m_system.openReadWrite(path);
    if (!inner)
        return nullptr;
    return std::make_unique<LimitedDevice>(std::move(inner), readLimit, writeLimit, diskFull);
}

bool FaultyAccess::lockExclusive(QIODevice &device, int timeoutMs)
{
    if (refuseLock)
        return false;
    return m_system.lockExclusive(*static_cast<LimitedDevice &>(device).inner(), timeoutMs);
}

bool FaultyAccess::syncToDisk(QIODevice &device)
{
    if (refuseSync)
        return false;
    return m_system.syncToDisk(*static_cast<LimitedDevice &>(device).inner());
}

bool FaultyAccess::resize(QIODevice &device, qint64 size)
{
    return m_system.resize(*static_cast<LimitedDevice &>(device).inner(), size);
}
