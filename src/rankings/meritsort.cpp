#include "rankings/meritsort.h"

#include "common/text.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

#include <charconv>
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
    // Scores are short (a field of 15 characters); a longer text is no score.
    const QString t = text::trimmed(score);
    const qsizetype n = t.size();
    if (n == 0 || n > 60)
        return false;
    char number[64];
    qsizetype out = 0;
    qsizetype i = 0;
    const auto isDigit = [&](qsizetype k) { return k < n && t[k] >= u'0' && t[k] <= u'9'; };
    const auto take = [&](char c) { number[out++] = c; };
    if (t[i] == u'-')
        take('-');
    if (t[i] == u'+' || t[i] == u'-')
        ++i;
    int digits = 0;
    while (isDigit(i)) {
        take(char(t[i++].unicode()));
        ++digits;
    }
    if (i < n && (t[i] == u',' || t[i] == u'.')) {
        take('.');
        ++i;
        while (isDigit(i)) {
            take(char(t[i++].unicode()));
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        take('e');
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            take(char(t[i++].unicode()));
        if (!isDigit(i))
            return false;
        while (isDigit(i))
            take(char(t[i++].unicode()));
    }
    if (i != n)
        return false;
    double v = 0;
    const auto [end, error] = std::from_chars(number, number + out, v);
    if (error != std::errc() || end != number + out || !std::isfinite(v))
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
