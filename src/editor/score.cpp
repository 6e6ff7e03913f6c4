#include "editor/score.h"

#include "common/text.h"

#include <QRegularExpression>

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace score
{

bool parse(const QString &typed, double *value)
{
    static const QRegularExpression number(
        QStringLiteral("^([+-]?)([0-9]*)(?:,([0-9]*))?(?:[eE]([+-]?[0-9]+))?$"));
    const QString t = text::trimmed(typed);
    const QRegularExpressionMatch m = number.match(t);
    if (!m.hasMatch())
        return false;
    const bool hasComma = t.contains(u',');
    if (m.captured(2).isEmpty() && m.captured(3).isEmpty() && !hasComma)
        return false;
    // Rebuilt in the C form so the conversion does not depend on any locale.
    QString c = m.captured(1) + (m.captured(2).isEmpty() ? QStringLiteral("0") : m.captured(2));
    if (!m.captured(3).isEmpty())
        c += u'.' + m.captured(3);
    if (!m.captured(4).isEmpty())
        c += u'e' + m.captured(4);
    bool ok = false;
    const double v = c.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

namespace
{

// The exact decimal expansion of a finite non-negative double: every double is a
// finite decimal fraction, at most 1074 decimals long.
std::string exactDigits(double magnitude)
{
    std::array<char, 1500> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, 1074);
    return std::string(buffer.data(), result.ptr);
}

// Adds one to a string of decimal digits.
void increment(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The magnitude in hundredths, rounded half up at the second decimal, as digits
// without leading zeros (empty for zero).
std::string hundredths(double magnitude)
{
    const std::string exact = exactDigits(magnitude);
    const std::size_t point = exact.find('.');
    std::string cents = exact.substr(0, point) + exact.substr(point + 1, 2);
    if (exact.at(point + 3) >= '5')
        increment(cents);
    const std::size_t first = cents.find_first_not_of('0');
    return first == std::string::npos ? std::string() : cents.substr(first);
}

// The shortest general form of cents / 100 with up to 15 significant digits and
// the decimal comma, no trailing zeros; from 1E15 on with an exponent ("1E20"),
// the last digit rounded half to even as the C library's %g does.
QString generalForm(std::string digits)
{
    qsizetype exponent = qsizetype(digits.size()) - 3; // of the first digit
    if (digits.size() > 15) {
        const std::string rest = digits.substr(16);
        const char dropped = digits.at(15);
        digits.resize(15);
        const bool up =
            dropped > '5' || (dropped == '5' && (rest.find_first_not_of('0') != std::string::npos ||
                                                 (digits.back() - '0') % 2 == 1));
        if (up) {
            increment(digits);
            if (digits.size() > 15) {
                digits.resize(15);
                ++exponent;
            }
        }
    }
    const auto stripped = [](std::string d) {
        const std::size_t last = d.find_last_not_of('0');
        return last == std::string::npos ? std::string() : d.substr(0, last + 1);
    };
    QString s;
    if (exponent >= 15) {
        const std::string fraction = stripped(digits.substr(1));
        s = QString::fromLatin1(digits.substr(0, 1));
        if (!fraction.empty())
            s += u',' + QString::fromLatin1(fraction);
        s += u'E' + QString::number(exponent);
    } else if (exponent >= 0) {
        const std::string fraction = stripped(digits.substr(std::size_t(exponent) + 1));
        s = QString::fromLatin1(digits.substr(0, std::size_t(exponent) + 1));
        if (!fraction.empty())
            s += u',' + QString::fromLatin1(fraction);
    } else {
        s = QStringLiteral("0,") + QString(-exponent - 1, u'0') + QString::fromLatin1(stripped(digits));
    }
    return s;
}

} // namespace

QString normalised(const QString &typed)
{
    const QString zero = QStringLiteral("0,00");
    if (text::trimmed(typed).isEmpty())
        return zero;
    double v = 0;
    if (!parse(typed, &v))
        return zero;
    // Decimal digits only from here: no result depends on the width of the
    // machine's floating point.
    const std::string cents = hundredths(std::fabs(v));
    if (cents.empty())
        return zero; // no "-0"
    QString s = generalForm(cents);
    if (v < 0)
        s.prepend(u'-');
    if (!s.contains(u','))
        s += QStringLiteral(",00");
    else if (s.size() >= 2 && s.at(s.size() - 2) == u',' && s.back().isDigit())
        s += u'0';
    return s;
}

} // namespace score
