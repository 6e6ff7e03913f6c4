#pragma once

#include "archive/record.h"
#include "common/errors.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// Any failure of a session file operation.
class SessionError : public SintarelError
{
public:
    using SintarelError::SintarelError;
};

// A session file: a headerless sequence of 5865-byte records. Every user action
// opens it, works and closes it; nothing stays open between actions. While open
// the file is locked exclusively, so two programs sharing a folder never
// interleave their writes. Every failure throws SessionError.
class SessionFile
{
public:
    // How long to wait for a lock held by another program (5 s unless changed).
    static int lockTimeoutMs();
    static void setLockTimeoutMs(int ms);

    // Opens for reading and writing; a missing file is created empty.
    explicit SessionFile(const QString &path);
    ~SessionFile();

    SessionFile(const SessionFile &) = delete;
    SessionFile &operator=(const SessionFile &) = delete;

    // Whole records in the file; trailing partial bytes are ignored.
    qint64 count() const { return m_count; }

    // 0-based index of the next record, which after a read or write is the
    // 1-based number of the record just handled.
    qint64 position() const { return m_position; }

    TScheda read(qint64 index);

    // Reads every record in order, in large blocks. The reference is valid only
    // during the call. A failure part way throws after the records already
    // visited.
    void readAll(const std::function<void(qint64 index, const TScheda &record)> &visit);

    // Writes over the record at index; index must be below count().
    void overwrite(qint64 index, const TScheda &record);

    // Writes the record after the last whole record; returns its 1-based number.
    qint64 append(const TScheda &record);

    // Writes the records after the last whole record, all or none: when a write
    // or the flush to disk fails the file is cut back to what it held before.
    // Returns the 1-based number of the first record written.
    qint64 appendAll(const QList<TScheda> &records);

    // Flushes what was written to the disk, unlocks and closes. When the flush
    // fails, the records appended since opening are cut back off first, so a Save
    // that reports failure leaves no new record behind.
    void close();

    // Opens, reads every record and closes in one go.
    static void forEach(const QString &path,
                        const std::function<void(qint64 index, const TScheda &record)> &visit);

private:
    void seekIndex(qint64 index);
    void writeAt(qint64 index, const TScheda &record);

    QString m_path;
    std::unique_ptr<QIODevice> m_device;
    qint64 m_count = 0;
    qint64 m_position = 0;
    bool m_written = false;
    qint64 m_appendedAt = -1; // file size before the first append, -1 = none
    QByteArray m_appendTail;  // the partial bytes that followed the records then
};
