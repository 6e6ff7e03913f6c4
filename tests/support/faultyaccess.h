#pragma once

#include "archive/fileaccess.h"

#include <QFile>

// Session files on the real disk, with faults on demand: open refused, lock not
// obtainable, reads or writes failing after N bytes (a disk that fills up), sync
// failing. Installed for one scope with ScopedAccess.
class FaultyAccess : public FileAccess
{
public:
    bool refuseOpen = false;
    bool refuseLock = false;
    bool refuseSync = false;
    qint64 readLimit = -1;  // bytes that can be read in one opening; -1 = no limit
    qint64 writeLimit = -1; // bytes written in one opening before a write fails (wholly); -1 = no limit
    bool diskFull = false;  // with writeLimit: writes that grow the file stop short; rewrites in place go on
    int openings = 0;

    std::unique_ptr<QIODevice> openReadWrite(const QString &path) override;
    bool lockExclusive(QIODevice &device, int timeoutMs) override;
    bool syncToDisk(QIODevice &device) override;
    bool resize(QIODevice &device, qint64 size) override;

private:
    SystemFileAccess m_system;
};

class ScopedAccess
{
public:
    explicit ScopedAccess(FileAccess *access) { FileAccess::install(access); }
    ~ScopedAccess() { FileAccess::install(nullptr); }
};
