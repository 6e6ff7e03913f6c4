#include "tools/fiscalcode.h"

#include "common/text.h"

#include <array>

namespace fiscalcode
{

namespace
{
constexpr char16_t kFirst = u'0';
constexpr char16_t kLast = u'Z';

// Indexed by code - 48: the ten digits, the seven signs ":" to "@" (worth 0),
// then A to Z.
constexpr std::array<int, 43> kOdd = {
    1,  0,  5,  7,  9,  13, 15, 17, 19, 21, // 0-9
    0,  0,  0,  0,  0,  0,  0,              // : ; < = > ? @
    1,  0,  5,  7,  9,  13, 15, 17, 19, 21, // A-J
    2,  4,  18, 20, 11, 3,  6,  8,  12, 14, // K-T
    16, 10, 22, 25, 24, 23,                 // U-Z
};
constexpr std::array<int, 43> kEven = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  // 0-9
    0,  0,  0,  0,  0,  0,  0,              // : ; < = > ? @
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  // A-J
    10, 11, 12, 13, 14, 15, 16, 17, 18, 19, // K-T
    20, 21, 22, 23, 24, 25,                 // U-Z
};

int lookUp(const std::array<int, 43> &table, QChar c)
{
    const char16_t u = c.unicode();
    // Anything else (a blank, a hyphen, an accented letter) has no value: the
    // tables must never be read outside their 43 entries.
    if (u < kFirst || u > kLast)
        return -1;
    return table[u - kFirst];
}
} // namespace

int oddValue(QChar c)
{
    return lookUp(kOdd, c);
}

int evenValue(QChar c)
{
    return lookUp(kEven, c);
}

QChar expectedCheckCharacter(const QString &code)
{
    if (code.size() < kLength - 1)
        return QChar();
    int sum = 0;
    for (int p = 1; p < kLength; ++p) {
        const QChar c = code.at(p - 1);
        const int value = (p % 2 == 1) ? oddValue(c) : evenValue(c);
        if (value < 0)
            return QChar();
        sum += value;
    }
    return QChar(char16_t(u'A' + sum % 26));
}

bool isValid(const QString &code)
{
    if (code.size() != kLength)
        return false;
    const QChar expected = expectedCheckCharacter(code);
    return !expected.isNull() && code.at(kLength - 1) == expected;
}

namespace
{
// A digit position's value: the digit, or the omocodia letter standing for it.
int digitAt(const QString &code, int index)
{
    static const QString kOmocodia = QStringLiteral("LMNPQRSTUV");
    const QChar c = code.at(index);
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    return int(kOmocodia.indexOf(c));
}
} // namespace

std::optional<QDate> birthDate(const QString &code, const QDate &notAfter)
{
    const QString c = text::upperAZ(text::trimmed(code));
    if (!isValid(c) || !notAfter.isValid())
        return std::nullopt;
    const int y1 = digitAt(c, 6);
    const int y2 = digitAt(c, 7);
    const int d1 = digitAt(c, 9);
    const int d2 = digitAt(c, 10);
    const int month = int(QStringLiteral("ABCDEHLMPRST").indexOf(c.at(8))) + 1;
    if (y1 < 0 || y2 < 0 || d1 < 0 || d2 < 0 || month < 1)
        return std::nullopt;
    int day = d1 * 10 + d2;
    if (day > 40)
        day -= 40;
    if (day < 1)
        return std::nullopt;
    // 2000 is a leap year: a day and month it lacks exist in no year (31 April).
    if (!QDate(2000, month, day).isValid())
        return std::nullopt;
    const int yy = y1 * 10 + y2;
    // The latest century first; one without that date (29 February 1900) is passed over.
    const int latest = notAfter.year() / 100 * 100;
    for (int century = latest; century >= latest - 200; century -= 100) {
        const QDate date(century + yy, month, day);
        if (date.isValid() && date <= notAfter)
            return date;
    }
    return std::nullopt;
}

} // namespace fiscalcode
