#pragma once

#include <QByteArrayView>
#include <QString>

#include <utility>
#include <vector>

// The order of the merit ranking.
namespace meritsort
{

// The text key of a score: fifteen zeros followed by the score exactly as
// stored, the last 15 characters kept, then trimmed ("87,5" -> "0000000000087,5").
QString textKey(const QString &storedScore);

// Reads a score as the editor reads one: optional blanks and sign, digits with
// an optional decimal separator ("," or ".") and an optional exponent, blanks.
// False for anything else, an empty text included, and for values out of range.
bool readScore(const QString &score, double *value);

// The sort key of one record. Scores are ranked by their value, so 90 ranks above
// 87,5 and 87.50 equals 87,50; a score that cannot be read ranks below every
// number, and such scores compare among themselves by their text keys.
struct Key {
    bool numeric = false;
    double value = 0;
    QString text; // the text key, used when not numeric

    static Key of(const QString &storedScore);
    // The same from the stored bytes of the score (Windows-1252).
    static Key ofBytes(QByteArrayView storedScore);
};

// <0, 0, >0. Text keys compare with the locale's collation, ignoring case.
int compare(const Key &a, const Key &b);

// The ranking's quicksort, ascending. It is not stable, and the order it leaves
// equal keys in is part of the ranking, so it is followed step by step:
// Sort(L, R): I = L, J = R, P = (L + R) / 2; move I right while a[I] < a[P] and
// J left while a[J] > a[P]; if I <= J exchange a[I] and a[J] (when I != J), let P
// follow the pivot through the exchange, I++ and J--; repeat while I <= J; sort
// L..J; then L = I and start again while I < R. cmp(a, b) returns <0, 0 or >0.
// The left parts are kept on an explicit stack instead of the call stack: they
// are disjoint ranges, so the order in which they are done changes nothing.
template <typename T, typename Compare> void quicksort(std::vector<T> &a, Compare cmp)
{
    if (a.size() < 2)
        return;
    std::vector<std::pair<qsizetype, qsizetype>> pending;
    pending.emplace_back(0, qsizetype(a.size()) - 1);
    while (!pending.empty()) {
        qsizetype L = pending.back().first;
        const qsizetype R = pending.back().second;
        pending.pop_back();
        qsizetype I;
        do {
            I = L;
            qsizetype J = R;
            qsizetype P = (L + R) / 2;
            do {
                while (cmp(a[I], a[P]) < 0)
                    ++I;
                while (cmp(a[J], a[P]) > 0)
                    --J;
                if (I <= J) {
                    if (I != J)
                        std::swap(a[I], a[J]);
                    if (P == I)
                        P = J;
                    else if (P == J)
                        P = I;
                    ++I;
                    --J;
                }
            } while (I <= J);
            if (L < J)
                pending.emplace_back(L, J);
            L = I;
        } while (I < R);
    }
}

// The positions (indices into keys) from the highest key to the lowest: the
// ascending quicksort read back from the last to the first.
std::vector<qsizetype> rankingOrder(const std::vector<Key> &keys);

// The keys of a whole session, compact: 16 bytes a record, sorted in place.
// The same order as rankingOrder on Keys, since the quicksort's steps depend on
// the comparisons only.
class KeyList
{
public:
    struct Item {
        double value = 0;
        qint32 text = -1; // index of its text key, -1 when the score is a number
        qint32 entry = 0; // the record's position in the file
    };

    void reserve(qsizetype n) { m_items.reserve(size_t(n)); }
    // The key of the next record, from the stored bytes of its score.
    void add(QByteArrayView storedScore);

    int compare(const Item &a, const Item &b) const;
    // The items from the highest key to the lowest (see rankingOrder).
    std::vector<Item> ranked() const;

private:
    std::vector<Item> m_items;
    std::vector<QString> m_texts;
};

} // namespace meritsort
