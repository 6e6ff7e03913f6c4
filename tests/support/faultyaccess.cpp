#include "faultyaccess.h"

namespace
{

// A file whose reads and writes stop working after a number of bytes.
class LimitedDevice : public QIODevice
{
public:
    LimitedDevice(std::unique_ptr<QIODevice> inner, qint64 readLimit, qint64 writeLimit)
        : m_inner(std::move(inner)), m_readLeft(readLimit), m_writeLeft(writeLimit)
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
        if (m_writeLeft == 0)
            return -1;
        if (m_writeLeft > 0)
            len = std::min(len, m_writeLeft);
        const qint64 n = m_inner->write(data, len);
        if (n > 0 && m_writeLeft > 0)
            m_writeLeft -= n;
        return n;
    }

private:
    std::unique_ptr<QIODevice> m_inner;
    qint64 m_readLeft;
    qint64 m_writeLeft;
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
    return std::make_unique<LimitedDevice>(std::move(inner), readLimit, writeLimit);
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
