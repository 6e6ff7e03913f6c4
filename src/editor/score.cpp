#include "editor/score.h"

#include "common/text.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdio>

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

// Int(v * 100 + 0.5) / 100 with the product and the sum in extended precision.
long double roundHalfUp(double v)
{
    const long double magnitude = std::fabs(static_cast<long double>(v));
    const long double r = std::floor(magnitude * 100.0L + 0.5L) / 100.0L;
    return v < 0 ? -r : r;
}

// Shortest general form with up to 15 significant digits and the decimal comma,
// no trailing zeros; large values take an exponent ("1E20").
QString generalForm(long double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
    QString s = QString::fromLatin1(buffer);
    const qsizetype e = s.indexOf(u'e');
    if (e >= 0) {
        QString exponent = s.mid(e + 1);
        const bool negative = exponent.startsWith(u'-');
        exponent.remove(0, exponent.startsWith(u'-') || exponent.startsWith(u'+') ? 1 : 0);
        while (exponent.size() > 1 && exponent.startsWith(u'0'))
            exponent.remove(0, 1);
        s = s.left(e) + u'E' + (negative ? QStringLiteral("-") : QString()) + exponent;
    }
    s.replace(u'.', u',');
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
    long double rounded = roundHalfUp(v);
    if (rounded == 0)
        rounded = 0; // no "-0"
    if (!std::isfinite(static_cast<double>(rounded)))
        return zero;
    QString s = generalForm(rounded);
    if (!s.contains(u','))
        s += QStringLiteral(",00");
    else if (s.size() >= 2 && s.at(s.size() - 2) == u',' && s.back().isDigit())
        s += u'0';
    return s;
}

} // namespace score
