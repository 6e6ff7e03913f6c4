#include "common/formats.h"

#include "common/text.h"

#include <QLocale>

#include <cmath>

namespace formats
{

QString date(const QDate &d)
{
    if (!d.isValid())
        return QString();
    return QStringLiteral("%1/%2/%3")
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.year(), 4, 10, QLatin1Char('0'));
}

QDate parseDate(const QString &s)
{
    const QStringList parts = text::trimmed(s).split(kDateSeparator);
    if (parts.size() != 3)
        return QDate();
    bool okD = false, okM = false, okY = false;
    const int d = parts[0].toInt(&okD);
    const int m = parts[1].toInt(&okM);
    const int y = parts[2].toInt(&okY);
    if (!okD || !okM || !okY || parts[2].size() != 4)
        return QDate();
    return QDate(y, m, d);
}

QString decimal(double value, int decimals)
{
    QString s = QString::number(value, 'f', decimals);
    if (s.startsWith(u'-') && s.count(u'0') == s.size() - 1 - (s.contains(u'.') ? 1 : 0))
        s.remove(0, 1); // "-0,00" reads badly
    s.replace(u'.', kDecimalSeparator);
    return s;
}

bool parseDecimal(const QString &s, double *value)
{
    QString t = text::trimmed(s);
    if (t.isEmpty())
        return false;
    if (t.count(kDecimalSeparator) + t.count(u'.') > 1)
        return false;
    t.replace(kDecimalSeparator, u'.');
    for (QChar c : t) {
        if (!(c.isDigit() && c.unicode() < 128) && c != u'.' && c != u'-' && c != u'+')
            return false;
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    if (value)
        *value = v;
    return true;
}

void installProgramLocale()
{
    QLocale locale(QLocale::Italian, QLocale::Italy);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

} // namespace formats
