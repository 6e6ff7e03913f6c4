#include "archive/sessionfile.h"
#include "editor/navigation.h"
#include "editor/score.h"
#include "support/testapp.h"

#if defined(__GLIBC__) && (defined(__x86_64__) || defined(__i386__))
#include <fpu_control.h>
#endif

class TestScore : public QObject
{
    Q_OBJECT
private slots:
    void normalised_data();
    void normalised();
    void sameWithDoublePrecisionOnly_data();
    void sameWithDoublePrecisionOnly();
    void normalFormIsStable_data();
    void normalFormIsStable();
    void navigation_data();
    void navigation();
    void navigationRefusesBadNumbers();
};

void TestScore::normalised_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << ""
                           << "0,00";
    QTest::newRow("blanks only") << "   "
                                 << "0,00";
    QTest::newRow("already normal") << "0,00"
                                    << "0,00";
    QTest::newRow("whole") << "7"
                           << "7,00";
    QTest::newRow("one decimal") << "7,5"
                                 << "7,50";
    QTest::newRow("leading zeros, three decimals") << "007,456"
                                                   << "7,46";
    QTest::newRow("comma first") << ",5"
                                 << "0,50";
    QTest::newRow("comma last") << "5,"
                                << "5,00";
    QTest::newRow("two decimals kept") << "28,00"
                                       << "28,00";
    QTest::newRow("two commas") << "1,2,3"
                                << "0,00";
    QTest::newRow("two commas alone") << ",,"
                                      << "0,00";
    QTest::newRow("lone comma") << ","
                                << "0,00";
    QTest::newRow("period") << "7.5"
                            << "0,00";
    QTest::newRow("letters") << "abc"
                             << "0,00";
    QTest::newRow("blanks around") << "  12,5 "
                                   << "12,50";
    // Rounding half up in extended precision from the double value.
    QTest::newRow("7,455") << "7,455"
                           << "7,46";
    QTest::newRow("0,015 rounds down") << "0,015"
                                       << "0,01";
    QTest::newRow("2,345 rounds up") << "2,345"
                                     << "2,35";
    QTest::newRow("1,005") << "1,005"
                           << "1,00";
    QTest::newRow("below a cent") << "0,004"
                                  << "0,00";
    QTest::newRow("largest typed") << "999999999999999"
                                   << "999999999999999,00";
    QTest::newRow("sign") << "+3"
                          << "3,00";
    QTest::newRow("negative two decimals") << "-7,25"
                                           << "-7,25";
    QTest::newRow("negative rounded") << "-7,456"
                                      << "-7,46";
    QTest::newRow("negative to zero") << "-0,001"
                                      << "0,00";
    QTest::newRow("exponent") << "1,5e2"
                              << "150,00";
    QTest::newRow("bad exponent") << "1e"
                                  << "0,00";
    QTest::newRow("half a cent exactly") << "0,125"
                                         << "0,13";
    QTest::newRow("overflow") << "1e400"
                              << "0,00";
}

void TestScore::normalised()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QCOMPARE(score::normalised(typed), expected);
}

void TestScore::sameWithDoublePrecisionOnly_data()
{
    normalised_data();
}

void TestScore::sameWithDoublePrecisionOnly()
{
    // Where long double is double (MSVC, ARM64) the table must not change: here
    // the x87 unit, which holds long double, is cut to double precision.
#if defined(__GLIBC__) && (defined(__x86_64__) || defined(__i386__))
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    fpu_control_t saved;
    _FPU_GETCW(saved);
    fpu_control_t doubleOnly = (saved & ~_FPU_EXTENDED) | _FPU_DOUBLE;
    _FPU_SETCW(doubleOnly);
    const QString result = score::normalised(typed);
    _FPU_SETCW(saved);
    QCOMPARE(result, expected);
#else
    QSKIP("the precision of long double cannot be changed on this machine");
#endif
}

void TestScore::normalFormIsStable_data()
{
    normalised_data();
}

void TestScore::normalFormIsStable()
{
    // Leaving the field twice never changes a score again.
    QFETCH(QString, expected);
    QCOMPARE(score::normalised(expected), expected);
}

void TestScore::navigation_data()
{
    using Kind = navigation::Step::Kind;
    using C = navigation::Command;
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("position");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("number");
    const struct {
        const char *name;
        C command;
        const char *position;
        qint64 count;
        Kind kind;
        qint64 number;
    } rows[] = {
        {"blank, First", C::First, "", 5, Kind::Show, 1},
        {"blank, Previous", C::Previous, "", 5, Kind::Show, 1},
        {"blank, Next", C::Next, "", 5, Kind::Show, 1},
        {"blank, Last", C::Last, "", 5, Kind::Show, 5},
        {"stored 3, First", C::First, "3", 5, Kind::Show, 1},
        {"stored 3, Previous", C::Previous, "3", 5, Kind::Show, 2},
        {"stored 3, Next", C::Next, "3", 5, Kind::Show, 4},
        {"stored 3, Last", C::Last, "3", 5, Kind::Show, 5},
        {"stored 2, Previous", C::Previous, " 2 ", 5, Kind::Show, 1},
        {"stored 1, Previous", C::Previous, "1", 5, Kind::Stay, 0},
        {"stored 5 of 5, Next", C::Next, "5", 5, Kind::Stay, 0},
        {"blank, empty file, First", C::First, "", 0, Kind::EmptyFile, 0},
        {"blank, empty file, Previous", C::Previous, "", 0, Kind::EmptyFile, 0},
        {"blank, empty file, Next", C::Next, "", 0, Kind::EmptyFileClear, 0},
        {"blank, empty file, Last", C::Last, "", 0, Kind::EmptyFile, 0},
        // "1" is tested before the file is looked at.
        {"stored 1, empty file, Previous", C::Previous, "1", 0, Kind::Stay, 0},
        {"stored 4, emptied file, Next", C::Next, "4", 0, Kind::EmptyFileClear, 0},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << int(r.command) << QString::fromLatin1(r.position) << r.count << int(r.kind)
                              << r.number;
}

void TestScore::navigation()
{
    QFETCH(int, command);
    QFETCH(QString, position);
    QFETCH(qint64, count);
    QFETCH(int, kind);
    QFETCH(qint64, number);
    const navigation::Step s = navigation::step(navigation::Command(command), position, count);
    QCOMPARE(int(s.kind), kind);
    if (s.kind == navigation::Step::Kind::Show)
        QCOMPARE(s.number, number);
}

void TestScore::navigationRefusesBadNumbers()
{
    QVERIFY_THROWS_EXCEPTION(SessionError,
                             navigation::step(navigation::Command::Next, QStringLiteral("x"), 3));
    QVERIFY_THROWS_EXCEPTION(SessionError,
                             navigation::step(navigation::Command::Previous, QStringLiteral("2a"), 3));
    QCOMPARE(navigation::positionNumber(QString()), 0);
}

SINTAREL_TEST_MAIN(TestScore)
#include "tst_score.moc"
