#include "rankings/linetable.h"

#include "common/cp1252.h"
#include "common/largebuffer.h"
#include "rankings/rankinglines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <numeric>

namespace
{

// The character of each byte, and its place in sorted-list order: the byte's
// character with a to z as capitals, numbered 1, 2, 3 ... by character code, so
// that comparing lines of places as plain bytes is comparing their texts.
struct ByteTables {
    std::array<char16_t, 256> unicode{};
    std::array<unsigned char, 256> place{};
    ByteTables()
    {
        std::array<char16_t, 256> weight{};
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            const char16_t u = cp1252::decode(&c, 1).at(0).unicode();
            unicode[b] = u;
            weight[b] = (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
        }
        std::array<char16_t, 256> sorted = weight;
        std::sort(sorted.begin(), sorted.end());
        const auto last = std::unique(sorted.begin(), sorted.end());
        // Byte 0 never occurs in a line (it ends a stored text); its place is 0 all the same.
        for (int b = 0; b < 256; ++b)
            place[b] = static_cast<unsigned char>(std::lower_bound(sorted.begin(), last, weight[b]) -
                                                  sorted.begin());
    }
};

const ByteTables &tables()
{
    static const ByteTables t;
    return t;
}

} // namespace

LineTable LineTable::fromList(const QStringList &lines)
{
    LineTable t;
    t.m_plain = true;
    t.m_list = lines;
    return t;
}

void LineTable::reserve(qsizetype lines, qsizetype bytesPerLine)
{
    m_ends.reserve(size_t(lines));
    m_bytes.reserve(lines * bytesPerLine);
    adviseLargeBuffer(m_bytes.data(), m_bytes.capacity());
}

QByteArrayView LineTable::entryBytes(qsizetype e) const
{
    const qsizetype start = e == 0 ? 0 : m_ends[size_t(e - 1)];
    return QByteArrayView(m_bytes.constData() + start, m_ends[size_t(e)] - start);
}

void LineTable::setRanked(std::vector<qint64> ranks)
{
    m_ranked = true;
    m_ranks = std::move(ranks);
}

namespace
{
// Calls put(byte) for each byte of a stored line, runs of spaces expanded.
template <typename Put> void expand(QByteArrayView b, Put put)
{
    for (qsizetype k = 0; k < b.size(); ++k) {
        if (b[k] == lines::kSpaceRun && k + 1 < b.size()) {
            for (int n = static_cast<unsigned char>(b[++k]); n > 0; --n)
                put(' ');
        } else {
            put(b[k]);
        }
    }
}

qsizetype expandedSize(QByteArrayView b)
{
    qsizetype n = 0;
    for (qsizetype k = 0; k < b.size(); ++k) {
        if (b[k] == lines::kSpaceRun && k + 1 < b.size())
            n += static_cast<unsigned char>(b[++k]);
        else
            ++n;
    }
    return n;
}
} // namespace

QString LineTable::at(qsizetype i) const
{
    if (i < 0 || i >= size())
        return QString();
    if (m_plain)
        return m_list.at(i);
    const QByteArrayView b = entryBytes(entry(i));
    const qsizetype prefix = m_ranked ? lines::kMeritRankWidth : 0;
    QString line(prefix + expandedSize(b), Qt::Uninitialized);
    QChar *d = line.data();
    if (m_ranked) {
        // The rank followed by spaces, cut to five characters, then two spaces.
        const qint64 rank = m_ranks.empty() ? i + 1 : m_ranks[size_t(i)];
        char digits[24];
        const auto [end, error] = std::to_chars(digits, digits + sizeof digits, rank);
        const qsizetype n = error == std::errc() ? std::min<qsizetype>(end - digits, 5) : 0;
        for (qsizetype k = 0; k < prefix; ++k)
            d[k] = k < n ? QChar(char16_t(digits[k])) : QChar(u' ');
    }
    const auto &unicode = tables().unicode;
    QChar *out = d + prefix;
    expand(b, [&](char c) { *out++ = QChar(unicode[static_cast<unsigned char>(c)]); });
    return line;
}

QStringList LineTable::toList() const
{
    if (m_plain)
        return m_list;
    QStringList out;
    out.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        out.append(at(i));
    return out;
}

const std::vector<qsizetype> &LineTable::sortLines()
{
    const auto &place = tables().place;
    const qsizetype n = size();
    // Each line's first kKey characters turned into their places (one byte each,
    // 0 past the end), so most comparisons are one memcmp; lines equal that far
    // are compared whole. A line that ends sooner comes first, as in compareSorted.
    constexpr qsizetype kKey = 48;
    std::vector<char> keys(static_cast<size_t>(n * kKey), 0);
    for (qsizetype e = 0; e < n; ++e) {
        char *k = keys.data() + e * kKey;
        qsizetype at = 0;
        expand(entryBytes(e), [&](char c) {
            if (at < kKey)
                k[at++] = char(place[static_cast<unsigned char>(c)]);
        });
    }
    const auto whole = [&](qsizetype e, std::vector<char> &out) {
        out.clear();
        expand(entryBytes(e), [&](char c) { out.push_back(char(place[static_cast<unsigned char>(c)])); });
    };
    std::vector<char> a;
    std::vector<char> b;
    std::vector<qsizetype> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype x, qsizetype y) {
        const int c = std::memcmp(keys.data() + x * kKey, keys.data() + y * kKey, size_t(kKey));
        if (c != 0)
            return c < 0;
        whole(x, a);
        whole(y, b);
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char p, char q) {
            return static_cast<unsigned char>(p) < static_cast<unsigned char>(q);
        });
    });
    m_order = std::move(order);
    return m_order;
}
