#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

// The lines of a list window. A list of a whole session keeps each line as its
// stored bytes (Windows-1252) in one block and turns a line into text only when
// it is shown, found or printed: 100,000 lines then cost a few megabytes and no
// allocation each. Lines may also be given as texts (fromList).
//
// Entries are the lines in the order they were added; the list shows them in
// the order set by setOrder (added order by default). A ranked list writes the
// rank field in front of each shown line: the rank cut to five characters and
// two spaces.
class LineTable
{
public:
    LineTable() = default;
    static LineTable fromList(const QStringList &lines);

    qsizetype size() const { return m_plain ? m_list.size() : qsizetype(m_ends.size()); }
    bool isEmpty() const { return size() == 0; }

    // The shown line i, as text.
    QString at(qsizetype i) const;
    QString operator[](qsizetype i) const { return at(i); }
    QStringList toList() const;

    // Adding a line of bytes: append its bytes to bytes(), then call endLine().
    QByteArray &bytes() { return m_bytes; }
    void endLine() { m_ends.push_back(m_bytes.size()); }
    void reserve(qsizetype lines, qsizetype bytesPerLine);

    // The stored bytes of entry e (in added order).
    QByteArrayView entryBytes(qsizetype e) const;
    // The entry shown as line i.
    qsizetype entry(qsizetype i) const { return m_order.empty() ? i : m_order[size_t(i)]; }
    void setOrder(std::vector<qsizetype> order) { m_order = std::move(order); }

    // Ranks in front of every line: line i gets ranks[i], or i + 1 when ranks is empty.
    void setRanked(std::vector<qint64> ranks = {});
    bool ranked() const { return m_ranked; }

    // Sorted-list order (text::compareSorted on the lines' texts), stable; only
    // for lines of bytes without ranks. Gives the order applied: entry of each line.
    const std::vector<qsizetype> &sortLines();

    struct const_iterator {
        const LineTable *table;
        qsizetype i;
        QString operator*() const { return table->at(i); }
        const_iterator &operator++()
        {
            ++i;
            return *this;
        }
        bool operator!=(const const_iterator &o) const { return i != o.i; }
        bool operator==(const const_iterator &o) const { return i == o.i; }
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    QByteArray m_bytes;
    std::vector<qsizetype> m_ends;
    std::vector<qsizetype> m_order;
    std::vector<qint64> m_ranks;
    bool m_ranked = false;
    bool m_plain = false;
    QStringList m_list;
};
