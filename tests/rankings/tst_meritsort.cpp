#include "rankings/meritsort.h"
#include "support/testapp.h"

#include <QRandomGenerator>

using meritsort::Key;

namespace
{
// A key with the row it belongs to; compared by the key only.
struct Tracked {
    int key;
    int row;
    bool operator<(const Tracked &o) const { return key < o.key; }
    bool operator>(const Tracked &o) const { return key > o.key; }
};

// The ranking's quicksort as a plain recursive procedure, to check the one with
// an explicit stack against.
void referenceSort(std::vector<Tracked> &a, qsizetype L, qsizetype R)
{
    qsizetype I;
    do {
        I = L;
        qsizetype J = R;
        qsizetype P = (L + R) / 2;
        do {
            while (a[I] < a[P])
                ++I;
            while (a[J] > a[P])
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
            referenceSort(a, L, J);
        L = I;
    } while (I < R);
}

// The names of candidates in ranking order, for scores given in file order.
QString ranked(const QStringList &scores)
{
    std::vector<Key> keys;
    for (const QString &s : scores)
        keys.push_back(Key::of(s));
    QString names;
    for (qsizetype i : meritsort::rankingOrder(keys))
        names += QChar(char16_t(u'A' + i));
    return names;
}
} // namespace

class TestMeritSort : public QObject
{
    Q_OBJECT
private slots:
    void textKey_data();
    void textKey();
    void readScore_data();
    void readScore();
    void tiesFollowTheQuicksort_data();
    void tiesFollowTheQuicksort();
    void ranksByValue_data();
    void ranksByValue();
    void explicitStackMatchesRecursion();
    void largeRankingIsOrdered();
};

void TestMeritSort::textKey_data()
{
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("key");
    QTest::newRow("87,50") << "87,50"
                           << "000000000087,50";
    QTest::newRow("100,00") << "100,00"
                            << "000000000100,00";
    QTest::newRow("87,5") << "87,5"
                          << "0000000000087,5";
    QTest::newRow("90") << "90"
                        << "000000000000090";
    QTest::newRow("empty") << ""
                           << "000000000000000";
    QTest::newRow("15 characters") << "123456789012345"
                                   << "123456789012345";
    // Not trimmed before padding: the trailing blank goes, leaving 14 characters.
    QTest::newRow("trailing blank") << "87,50 "
                                    << "00000000087,50";
}

void TestMeritSort::textKey()
{
    QFETCH(QString, score);
    QFETCH(QString, key);
    QCOMPARE(meritsort::textKey(score), key);
}

void TestMeritSort::readScore_data()
{
    QTest::addColumn<QString>("score");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << "87,50" << true << 87.5;
    QTest::newRow("point") << "87.50" << true << 87.5;
    QTest::newRow("integer") << "90" << true << 90.0;
    QTest::newRow("blanks and sign") << "  -3,25\t" << true << -3.25;
    QTest::newRow("plus") << "+4" << true << 4.0;
    QTest::newRow("exponent") << "1,5e2" << true << 150.0;
    QTest::newRow("exponent sign") << "25E-1" << true << 2.5;
    QTest::newRow("leading separator") << ",5" << true << 0.5;
    QTest::newRow("trailing separator") << "7," << true << 7.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blank") << "   " << false << 0.0;
    QTest::newRow("separator alone") << "," << false << 0.0;
    QTest::newRow("two separators") << "1,2,3" << false << 0.0;
    QTest::newRow("letters") << "n.v." << false << 0.0;
    QTest::newRow("inner blank") << "8 7" << false << 0.0;
    QTest::newRow("bad exponent") << "1e" << false << 0.0;
    QTest::newRow("overflow") << "1e999" << false << 0.0;
    QTest::newRow("grouping") << "1.000,00" << false << 0.0;
}

void TestMeritSort::readScore()
{
    QFETCH(QString, score);
    QFETCH(bool, ok);
    QFETCH(double, value);
    double v = -1;
    QCOMPARE(meritsort::readScore(score, &v), ok);
    if (ok)
        QCOMPARE(v, value);
}

void TestMeritSort::tiesFollowTheQuicksort_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("order");
    QTest::newRow("two") << 2 << "AB";
    QTest::newRow("three") << 3 << "ABC";
    QTest::newRow("four") << 4 << "BADC";
    QTest::newRow("five") << 5 << "BACED";
    QTest::newRow("six") << 6 << "CBAFED";
}

void TestMeritSort::tiesFollowTheQuicksort()
{
    QFETCH(int, count);
    QFETCH(QString, order);
    QCOMPARE(ranked(QStringList(count, QStringLiteral("28,00"))), order);
    // Equal values written differently are equal keys too.
    QStringList mixed;
    for (int i = 0; i < count; ++i)
        mixed.append(i % 2 ? QStringLiteral("28.00") : QStringLiteral("28"));
    QCOMPARE(ranked(mixed), order);
}

void TestMeritSort::ranksByValue_data()
{
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<QString>("order");
    QTest::newRow("two decimals") << QStringList{"9,75", "100,00", "99,50"} << "BCA";
    QTest::newRow("90 above 87,5") << QStringList{"87,5", "90"} << "BA";
    QTest::newRow("100 above 99,50") << QStringList{"99,50", "100"} << "BA";
    QTest::newRow("point and comma") << QStringList{"87.50", "90,00", "87,25"} << "BAC";
    QTest::newRow("empty below every number") << QStringList{"", "0,50", "1,00", "-2"} << "CBDA";
    QTest::newRow("unreadable below every number") << QStringList{"assente", "0,00", "n.v."} << "BAC";
    QTest::newRow("blank is empty") << QStringList{"  ", "0"} << "BA";
    QTest::newRow("exponent") << QStringList{"9e1", "89"} << "AB";
    // Unreadable scores among themselves: by their right-aligned text keys, case ignored.
    QTest::newRow("text keys") << QStringList{"aa", "AB", "1,2,3"} << "CBA";
}

void TestMeritSort::ranksByValue()
{
    QFETCH(QStringList, scores);
    QFETCH(QString, order);
    QCOMPARE(ranked(scores), order);
}

void TestMeritSort::explicitStackMatchesRecursion()
{
    QRandomGenerator rng(20261209);
    for (int round = 0; round < 200; ++round) {
        const int n = 2 + rng.bounded(300);
        const int spread = 1 + rng.bounded(8); // few distinct keys: many ties
        std::vector<Tracked> input;
        for (int i = 0; i < n; ++i)
            input.push_back({int(rng.bounded(spread)), i});
        std::vector<Tracked> viaStack = input;
        meritsort::quicksort(viaStack, [](const Tracked &a, const Tracked &b) { return a.key - b.key; });
        std::vector<Tracked> viaRecursion = input;
        referenceSort(viaRecursion, 0, n - 1);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(viaStack[i].row, viaRecursion[i].row);
            if (i > 0)
                QVERIFY(viaStack[i - 1].key <= viaStack[i].key);
        }
    }
}

void TestMeritSort::largeRankingIsOrdered()
{
    QRandomGenerator rng(7);
    std::vector<Key> keys;
    QList<double> values;
    for (int i = 0; i < 20000; ++i) {
        const double v = rng.bounded(10000) / 100.0;
        values.append(v);
        keys.push_back(Key::of(QString::number(v, 'f', 2).replace(u'.', u',')));
    }
    const std::vector<qsizetype> order = meritsort::rankingOrder(keys);
    QCOMPARE(qsizetype(order.size()), qsizetype(keys.size()));
    for (size_t i = 1; i < order.size(); ++i)
        QVERIFY(values[order[i - 1]] >= values[order[i]]);
}

SINTAREL_TEST_MAIN(TestMeritSort)
#include "tst_meritsort.moc"
