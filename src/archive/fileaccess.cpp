#include "archive/fileaccess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace
{
FileAccess *g_installed = nullptr;
}

FileAccess &FileAccess::current()
{
    static SystemFileAccess system;
    return g_installed ? *g_installed : system;
}

void FileAccess::install(FileAccess *access)
{
    g_installed = access;
}

std::unique_ptr<QIODevice> SystemFileAccess::openReadWrite(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    // Unbuffered, so that a failing write (a full disk) is seen by the write itself.
    if (file->open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return file;
    // An existing file we may not open takes the failure path: it is never
    // replaced by an empty one.
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return nullptr;
    if (file->open(QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered))
        return file;
    // Another program created it in the meantime.
    if (file->open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return file;
    return nullptr;
}

bool SystemFileAccess::lockExclusive(QIODevice &device, int timeoutMs)
{
#ifdef Q_OS_UNIX
    auto *file = qobject_cast<QFile *>(&device);
    if (!file)
        return false;
    const int fd = file->handle();
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (timer.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(10);
    }
#else
    Q_UNUSED(device);
    Q_UNUSED(timeoutMs);
    return true;
#endif
}

bool SystemFileAccess::syncToDisk(QIODevice &device)
{
    auto *file = qobject_cast<QFile *>(&device);
    if (!file)
        return false;
    if (!file->flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(file->handle()) == 0;
#else
    return true;
#endif
}

bool SystemFileAccess::resize(QIODevice &device, qint64 size)
{
    auto *file = qobject_cast<QFileDevice *>(&device);
    return file && file->flush() && file->resize(size);
}
