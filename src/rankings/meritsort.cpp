#include "rankings/meritsort.h"

#include "common/cp1252.h"
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

namespace
{
inline unsigned code(QChar c)
{
    return c.unicode();
}
inline unsigned code(char c)
{
    return static_cast<unsigned char>(c);
}

// readScore on text or on stored bytes (a byte above 127 is no digit nor sign).
template <typename Char> bool readScoreOf(const Char *p, qsizetype size, double *value)
{
    // Scores are short (a field of 15 characters); a longer text is no score.
    qsizetype first = 0;
    qsizetype n = size;
    while (first < n && code(p[first]) <= 32)
        ++first;
    while (n > first && code(p[n - 1]) <= 32)
        --n;
    const Char *t = p + first;
    n -= first;
    if (n == 0 || n > 60)
        return false;
    char number[64];
    qsizetype out = 0;
    qsizetype i = 0;
    const auto at = [&](qsizetype k) { return code(t[k]); };
    const auto isDigit = [&](qsizetype k) { return k < n && at(k) >= '0' && at(k) <= '9'; };
    const auto take = [&](unsigned c) { number[out++] = char(c); };
    if (at(i) == '-')
        take('-');
    if (at(i) == '+' || at(i) == '-')
        ++i;
    int digits = 0;
    while (isDigit(i)) {
        take(at(i++));
        ++digits;
    }
    if (i < n && (at(i) == ',' || at(i) == '.')) {
        take('.');
        ++i;
        while (isDigit(i)) {
            take(at(i++));
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (at(i) == 'e' || at(i) == 'E')) {
        take('e');
        ++i;
        if (i < n && (at(i) == '+' || at(i) == '-'))
            take(at(i++));
        if (!isDigit(i))
            return false;
        while (isDigit(i))
            take(at(i++));
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
} // namespace

bool readScore(const QString &score, double *value)
{
    return readScoreOf(score.constData(), score.size(), value);
}

Key Key::ofBytes(QByteArrayView storedScore)
{
    Key k;
    k.numeric = readScoreOf(storedScore.data(), storedScore.size(), &k.value);
    if (!k.numeric)
        k.text = textKey(cp1252::decode(storedScore.data(), storedScore.size()));
    return k;
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

void KeyList::add(QByteArrayView storedScore)
{
    Item item;
    item.entry = qint32(m_items.size());
    const Key key = Key::ofBytes(storedScore);
    if (key.numeric) {
        item.value = key.value;
    } else {
        item.text = qint32(m_texts.size());
        m_texts.push_back(key.text);
    }
    m_items.push_back(item);
}

int KeyList::compare(const Item &a, const Item &b) const
{
    if (a.text < 0 && b.text < 0)
        return a.value < b.value ? -1 : (b.value < a.value ? 1 : 0);
    if ((a.text < 0) != (b.text < 0))
        return a.text < 0 ? 1 : -1;
    const QString &x = m_texts[size_t(a.text)];
    const QString &y = m_texts[size_t(b.text)];
    if (x == y)
        return 0;
    const int c = collator().compare(x, y);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::vector<KeyList::Item> KeyList::ranked() const
{
    std::vector<Item> items = m_items;
    quicksort(items, [this](const Item &a, const Item &b) { return compare(a, b); });
    std::reverse(items.begin(), items.end());
    return items;
}

} // namespace meritsort
