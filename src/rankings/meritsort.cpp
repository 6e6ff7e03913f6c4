#include "rankings/meritsort.h"

#include "common/text.h"

#include <QCollator>
#include <QLocale>

#include <cmath>

namespace meritsort
{

QString textKey(const QString &storedScore)
{
    const QString padded = QString(15, u'0') + storedScore;
    return text::trimmed(padded.right(15));
}

bool readScore(const QString &score, double *value)
{
    const QString t = text::trimmed(score);
    qsizetype i = 0;
    const qsizetype n = t.size();
    const auto isDigit = [&](qsizetype k) { return k < n && t[k] >= u'0' && t[k] <= u'9'; };
    QByteArray number;
    number.reserve(n);
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        number += char(t[i++].unicode());
    int digits = 0;
    while (isDigit(i)) {
        number += char(t[i++].unicode());
        ++digits;
    }
    if (i < n && (t[i] == u',' || t[i] == u'.')) {
        number += '.';
        ++i;
        while (isDigit(i)) {
            number += char(t[i++].unicode());
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        number += 'e';
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            number += char(t[i++].unicode());
        if (!isDigit(i))
            return false;
        while (isDigit(i))
            number += char(t[i++].unicode());
    }
    if (i != n)
        return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(QLatin1String(number), &ok);
    if (!ok || !std::isfinite(v))
        return false;
    if (value)
        *value = v;
    return true;
}

Key Key::of(const QString &storedScore)
{
    Key k;
    k.numeric = readScore(storedScore, &k.value);
    if (!k.numeric)
        k.text = textKey(storedScore);
    return k;
}

static const QCollator &collator()
{
    static const QCollator c = [] {
        QCollator made{QLocale()};
        made.setCaseSensitivity(Qt::CaseInsensitive);
        return made;
    }();
    return c;
}

int compare(const Key &a, const Key &b)
{
    if (a.numeric && b.numeric)
        return a.value < b.value ? -1 : (b.value < a.value ? 1 : 0);
    if (a.numeric != b.numeric)
        return a.numeric ? 1 : -1;
    if (a.text == b.text)
        return 0;
    const int c = collator().compare(a.text, b.text);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::vector<qsizetype> rankingOrder(const std::vector<Key> &keys)
{
    std::vector<qsizetype> order(keys.size());
    for (qsizetype i = 0; i < qsizetype(order.size()); ++i)
        order[i] = i;
    quicksort(order, [&keys](qsizetype a, qsizetype b) { return compare(keys[a], keys[b]); });
    std::reverse(order.begin(), order.end());
    return order;
}

} // namespace meritsort
