#include "access/crypt.h"

#include <cstdint>

namespace Crypt
{

namespace
{
constexpr std::uint16_t kStartKey = 9451;
constexpr std::uint16_t kMultiplier = 39157;
constexpr std::uint16_t kIncrement = 28469;

// In unsigned 32-bit arithmetic: (c + key) * kMultiplier exceeds a signed int.
inline std::uint16_t nextKey(std::uint8_t c, std::uint16_t key)
{
    const std::uint32_t sum = std::uint32_t(c) + key;
    return static_cast<std::uint16_t>(sum * kMultiplier + kIncrement);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}
} // namespace

QString Encrypt(const QString &text)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 2);
    std::uint16_t key = kStartKey;
    for (QChar ch : text) {
        const auto b = static_cast<std::uint8_t>(ch.unicode() & 0xFF);
        const auto c = static_cast<std::uint8_t>(b ^ (key >> 8));
        out.append(QLatin1Char(digits[c >> 4]));
        out.append(QLatin1Char(digits[c & 0x0F]));
        key = nextKey(c, key);
    }
    return out;
}

QString Decrypt(const QString &hex)
{
    const qsizetype n = hex.size() / 2;
    QString out;
    out.reserve(n);
    std::uint16_t key = kStartKey;
    for (qsizetype i = 0; i < n; ++i) {
        const int hi = hexValue(hex.at(2 * i));
        const int lo = hexValue(hex.at(2 * i + 1));
        if (hi < 0 || lo < 0)
            throw SintarelError(
                QStringLiteral("'%1' non è un valore esadecimale valido").arg(hex.mid(2 * i, 2)));
        const auto c = static_cast<std::uint8_t>(hi * 16 + lo);
        out.append(QChar(char16_t(c ^ (key >> 8))));
        key = nextKey(c, key);
    }
    return out;
}

} // namespace Crypt
