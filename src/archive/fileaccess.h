#pragma once

#include <QIODevice>
#include <QString>

#include <memory>

// How session files reach the disk. The program uses the system's files; tests
// substitute devices that refuse to open, fail after N bytes, cannot be locked or
// run out of space, so every failure path can be driven even as root.
class FileAccess
{
public:
    virtual ~FileAccess() = default;

    // Opens the file for reading and writing. A file that does not exist is
    // created empty; an existing file is never truncated or replaced. Returns
    // nullptr when neither works.
    virtual std::unique_ptr<QIODevice> openReadWrite(const QString &path) = 0;

    // Takes an exclusive lock on the open device, waiting at most timeoutMs.
    virtual bool lockExclusive(QIODevice &device, int timeoutMs) = 0;

    // Pushes what was written down to the disk.
    virtual bool syncToDisk(QIODevice &device) = 0;

    // Cuts the file back to size bytes (undoing a failed append).
    virtual bool resize(QIODevice &device, qint64 size) = 0;

    // The access in force: the system's, unless a test installed another.
    static FileAccess &current();

    // Installs another access (nullptr restores the system's). For tests.
    static void install(FileAccess *access);
};

class SystemFileAccess : public FileAccess
{
public:
    std::unique_ptr<QIODevice> openReadWrite(const QString &path) override;
    bool lockExclusive(QIODevice &device, int timeoutMs) override;
    bool syncToDisk(QIODevice &device) override;
    bool resize(QIODevice &device, qint64 size) override;
};
