#include "common/cp1252.h"

#include <array>

namespace cp1252
{

namespace
{

// 0x80..0x9F; 0 marks the five bytes the code page leaves undefined, which are
// read back as the control character of the same code (as Windows does).
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t toUnicode(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F) {
        const char16_t u = kHigh[b - 0x80];
        return u ? u : char16_t(b);
    }
    return char16_t(b);
}

struct ReverseTable {
    std::array<unsigned char, 65536> bytes{};
    ReverseTable()
    {
        for (int b = 0; b < 256; ++b)
            bytes[toUnicode(static_cast<unsigned char>(b))] = static_cast<unsigned char>(b);
    }
};

const ReverseTable &reverse()
{
    static const ReverseTable table;
    return table;
}

} // namespace

char encodeChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u == 0)
        return 0;
    const unsigned char b = reverse().bytes[u];
    if (b != 0)
        return static_cast<char>(b);
    // Letters with a stroke or bar have no decomposition, yet an unaccented letter
    // is plainly closer than a question mark.
    switch (u) {
    case 0x0110:
        return 'D'; // Đ
    case 0x0111:
        return 'd'; // đ
    case 0x0126:
        return 'H'; // Ħ
    case 0x0127:
        return 'h'; // ħ
    case 0x0131:
        return 'i'; // ı
    case 0x0141:
        return 'L'; // Ł
    case 0x0142:
        return 'l'; // ł
    case 0x0166:
        return 'T'; // Ŧ
    case 0x0167:
        return 't'; // ŧ
    case 0x0180:
        return 'b'; // ƀ
    case 0x0197:
        return 'I'; // Ɨ
    case 0x019A:
        return 'l'; // ƚ
    case 0x01E4:
        return 'G'; // Ǥ
    case 0x01E5:
        return 'g'; // ǥ
    default:
        break;
    }
    // Not in the code page: a letter with accents becomes its base letter. Only a
    // canonical decomposition into a letter and combining marks counts; a
    // compatibility form ("⑩", "⅓", "ﬁ", "ǉ") would lose part of the value.
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
    if (decomposed.size() < 2 || !decomposed.at(0).isLetter())
        return '?';
    for (qsizetype i = 1; i < decomposed.size(); ++i)
        if (!decomposed.at(i).isMark())
            return '?';
    const unsigned char bb = reverse().bytes[decomposed.at(0).unicode()];
    return bb != 0 ? static_cast<char>(bb) : '?';
}

QByteArray encode(const QString &s)
{
    QByteArray out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            ++i; // one character outside the basic plane: one question mark
            out.append('?');
            continue;
        }
        out.append(encodeChar(c));
    }
    return out;
}

QString decode(const char *bytes, qsizetype length)
{
    QString out(length, Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < length; ++i)
        d[i] = QChar(toUnicode(static_cast<unsigned char>(bytes[i])));
    return out;
}

} // namespace cp1252
