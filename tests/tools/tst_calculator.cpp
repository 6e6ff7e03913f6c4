#include "common/errors.h"
#include "support/testapp.h"
#include "tools/calculator.h"

#include <cfloat>
#include <cmath>

using calc::Key;

namespace
{
// Keys by what is written on them, as in the window.
Key keyOf(const QString &token)
{
    static const QHash<QString, Key> keys = {
        {QStringLiteral("0"), Key::Digit0},       {QStringLiteral("1"), Key::Digit1},
        {QStringLiteral("2"), Key::Digit2},       {QStringLiteral("3"), Key::Digit3},
        {QStringLiteral("4"), Key::Digit4},       {QStringLiteral("5"), Key::Digit5},
        {QStringLiteral("6"), Key::Digit6},       {QStringLiteral("7"), Key::Digit7},
        {QStringLiteral("8"), Key::Digit8},       {QStringLiteral("9"), Key::Digit9},
        {QStringLiteral(","), Key::Point},        {QStringLiteral("C"), Key::Clear},
        {QStringLiteral("⌫"), Key::BackSpace},    {QStringLiteral("+"), Key::Add},
        {QStringLiteral("−"), Key::Subtract},     {QStringLiteral("×"), Key::Multiply},
        {QStringLiteral("÷"), Key::Divide},       {QStringLiteral("xʸ"), Key::Power},
        {QStringLiteral("="), Key::Result},       {QStringLiteral("±"), Key::Sign},
        {QStringLiteral("x²"), Key::Square},      {QStringLiteral("√"), Key::SquareRoot},
        {QStringLiteral("1/x"), Key::Reciprocal}, {QStringLiteral("eˣ"), Key::Exp},
        {QStringLiteral("ln"), Key::Ln},          {QStringLiteral("log"), Key::Log},
        {QStringLiteral("sin"), Key::Sin},        {QStringLiteral("cos"), Key::Cos},
        {QStringLiteral("tan"), Key::Tan},        {QStringLiteral("sin⁻¹"), Key::ArcSin},
        {QStringLiteral("cos⁻¹"), Key::ArcCos},   {QStringLiteral("tan⁻¹"), Key::ArcTan},
        {QStringLiteral("π"), Key::Pi},
    };
    if (!keys.contains(token))
        qFatal("no key %s", qPrintable(token));
    return keys.value(token);
}

// Presses the keys of a blank-separated sequence; a key that throws stops there.
QString pressAll(calc::Calculator &c, const QString &sequence, QString *failure = nullptr)
{
    QStringList messages;
    for (const QString &token : sequence.split(u' ', Qt::SkipEmptyParts)) {
        try {
            const QString m = c.press(keyOf(token));
            if (!m.isEmpty())
                messages.append(m);
        } catch (const SintarelError &e) {
            if (failure)
                *failure = e.text();
            break;
        }
    }
    return messages.join(u'|');
}
} // namespace

class TestCalculator : public QObject
{
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void read_data();
    void read();
    void failures_data();
    void failures();
    void stateOfFunctionKeys();
    void newNumberFlag();
};

void TestCalculator::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("whole") << 19.0 << "19";
    QTest::newRow("negative") << -6.0 << "-6";
    QTest::newRow("decimals, no trailing zeros") << 57.5 << "57,5";
    QTest::newRow("one third") << 1.0 / 3 << "0,333333333333333";
    QTest::newRow("two thirds rounds") << 2.0 / 3 << "0,666666666666667";
    QTest::newRow("0.1 + 0.2 shows 0,3") << 0.1 + 0.2 << "0,3";
    QTest::newRow("pi") << M_PI << "3,14159265358979";
    QTest::newRow("1E-5 still fixed") << 1e-5 << "0,00001";
    QTest::newRow("1.5E-6 scientific") << 1.5e-6 << "1,5E-6";
    QTest::newRow("negative small") << -2.5e-7 << "-2,5E-7";
    QTest::newRow("cos 90") << 6.123233995736766e-17 << "6,12323399573677E-17";
    QTest::newRow("15 integer digits fixed") << 999999999999999.0 << "999999999999999";
    QTest::newRow("rounds up to 16 digits") << 999999999999999.9 << "1E15";
    QTest::newRow("1E15") << 1e15 << "1E15";
    QTest::newRow("1E16") << 1e16 << "1E16";
    QTest::newRow("large with mantissa") << 1.2345e20 << "1,2345E20";
    QTest::newRow("largest double") << DBL_MAX << "1,79769313486232E308";
    QTest::newRow("smallest denormal") << 4.9406564584124654e-324 << "4,94065645841247E-324";
    QTest::newRow("no grouping") << 1234567.25 << "1234567,25";
}

void TestCalculator::format()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(calc::format(value), shown);
}

void TestCalculator::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "12" << true << 12.0;
    QTest::newRow("comma") << "0,5" << true << 0.5;
    QTest::newRow("trailing comma") << "0," << true << 0.0;
    QTest::newRow("leading comma") << ",25" << true << 0.25;
    QTest::newRow("negative") << "-6" << true << -6.0;
    QTest::newRow("exponent") << "1,5E-6" << true << 1.5e-6;
    QTest::newRow("exponent, no sign") << "1E16" << true << 1e16;
    QTest::newRow("blanks around") << " 7 " << true << 7.0;
    QTest::newRow("underflow is zero") << "1E-99999" << true << 0.0;
    QTest::newRow("two commas") << "1,,5" << false << 0.0;
    QTest::newRow("comma after exponent") << "6,1E-17," << false << 0.0;
    QTest::newRow("exponent without digits") << "1E" << false << 0.0;
    QTest::newRow("exponent sign only") << "1,5E-" << false << 0.0;
    QTest::newRow("point") << "1.5" << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
}

void TestCalculator::read()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    long double v = -1;
    QCOMPARE(calc::read(text, &v), ok);
    if (ok)
        QCOMPARE(double(v), value);
}

// What a failing key leaves behind: the display keeps its text, the error goes to
// the general report, and the state holds what was stored before the failing step.
void TestCalculator::failures_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("display");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<double>("last");
    QTest::addColumn<bool>("newNumber");

    const QString unreadable =
        QStringLiteral("Impossibile eseguire il calcolo: \"1,,5\" non è un numero valido.");
    const QString tooLarge = QStringLiteral("Impossibile eseguire il calcolo: il numero è troppo grande.");
    const QString root = QStringLiteral(
        "Impossibile eseguire il calcolo: non esiste la radice quadrata di un numero negativo.");
    const QString logarithm = QStringLiteral(
        "Impossibile eseguire il calcolo: il logaritmo esiste solo per i numeri maggiori di zero.");

    QTest::newRow("two commas, operator")
        << "7 + 1 , , 5 +" << unreadable << "1,,5" << 7.0 << 0.0 << 0.0 << false;
    QTest::newRow("two commas, function")
        << "1 , , 5 √" << unreadable << "1,,5" << 0.0 << 0.0 << 0.0 << false;
    QTest::newRow("two commas, equals sets the flag")
        << "7 + 1 , , 5 =" << unreadable << "1,,5" << 7.0 << 0.0 << 0.0 << true;
    QTest::newRow("root of a negative") << "4 ± √" << root << "-4" << -4.0 << 0.0 << 0.0 << false;
    QTest::newRow("ln 0") << "0 ln" << logarithm << "0" << 0.0 << 0.0 << 0.0 << false;
    QTest::newRow("log of a negative") << "2 ± log" << logarithm << "-2" << -2.0 << 0.0 << 0.0 << false;
    QTest::newRow("power overflow keeps the last result")
        << "2 + 3 = 1 0 xʸ 4 0 0 =" << tooLarge << "400" << 10.0 << 400.0 << 5.0 << true;
    QTest::newRow("product overflow")
        << "1 0 xʸ 2 0 0 = x² " << tooLarge << "1E200" << 1e200 << 200.0 << 1e200 << true;
    QTest::newRow("exponential overflow")
        << "1 0 0 0 eˣ" << tooLarge << "1000" << 1000.0 << 0.0 << 0.0 << false;
    QTest::newRow("display beyond a double")
        << "1 0 0 0 0 0 0 0 0 x² 0 0 +" << tooLarge << "1E1600" << 1e16 << 0.0 << 0.0 << false;
    QTest::newRow("display beyond any number")
        << "1 0 0 0 0 0 0 0 0 x² 0 0 0 0 ±" << tooLarge << "1E160000" << 1e16 << 0.0 << 0.0 << false;
    QTest::newRow("negative to a fractional power")
        << "8 ± xʸ 0 , 5 ="
        << "Impossibile eseguire il calcolo: un numero negativo non si può elevare a una potenza non intera."
        << "0,5" << -8.0 << 0.5 << 0.0 << true;
}

void TestCalculator::failures()
{
    QFETCH(QString, keys);
    QFETCH(QString, failure);
    QFETCH(QString, display);
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(double, last);
    QFETCH(bool, newNumber);
    calc::State state;
    calc::Calculator c(state);
    QString failed;
    pressAll(c, keys, &failed);
    QCOMPARE(failed, failure);
    QCOMPARE(c.display(), display);
    QCOMPARE(state.first, first);
    QCOMPARE(state.second, second);
    QCOMPARE(state.last, last);
    QCOMPARE(state.newNumber, newNumber);
}

void TestCalculator::stateOfFunctionKeys()
{
    calc::State state;
    calc::Calculator c(state);
    // A function key replaces what an operator key stored; the pending operation stays.
    pressAll(c, QStringLiteral("5 + 9 √"));
    QCOMPARE(state.first, 3.0);
    QCOMPARE(state.pending, calc::Operation::Add);
    QCOMPARE(c.display(), QStringLiteral("3"));
    // Arc keys out of range keep v in the first operand.
    QCOMPARE(pressAll(c, QStringLiteral("C 2 tan⁻¹")), QStringLiteral("Attenzione! Valori non validi."));
    QCOMPARE(state.first, 2.0);
    QCOMPARE(c.display(), QStringLiteral("2"));
    // The flag is still clear, so a digit extends a function key's result.
    pressAll(c, QStringLiteral("C 9 √ 1"));
    QCOMPARE(c.display(), QStringLiteral("31"));
    // The reciprocal of 0 leaves 0 in the first operand.
    QCOMPARE(pressAll(c, QStringLiteral("C 1/x")), QStringLiteral("Attenzione! Valore non valido."));
    QCOMPARE(state.first, 0.0);
    // π changes neither the operands nor the flag.
    pressAll(c, QStringLiteral("π"));
    QCOMPARE(state.first, 0.0);
    QVERIFY(!state.newNumber);
}

void TestCalculator::newNumberFlag()
{
    calc::State state;
    calc::Calculator c(state);
    pressAll(c, QStringLiteral("2 + 3 ="));
    QVERIFY(state.newNumber);
    // The comma does not start a new number...
    pressAll(c, QStringLiteral(","));
    QCOMPARE(c.display(), QStringLiteral("5,"));
    QVERIFY(state.newNumber);
    // ...but the next digit does.
    pressAll(c, QStringLiteral("4"));
    QCOMPARE(c.display(), QStringLiteral("4"));
    // Backspace leaves the flag alone.
    pressAll(c, QStringLiteral("+ ⌫"));
    QVERIFY(state.newNumber);
    QCOMPARE(c.display(), QStringLiteral("0"));
    // With no operation pending, equals only sets the flag.
    calc::State fresh;
    calc::Calculator d(fresh);
    pressAll(d, QStringLiteral("4 ="));
    QCOMPARE(d.display(), QStringLiteral("4"));
    QVERIFY(fresh.newNumber);
    pressAll(d, QStringLiteral("7"));
    QCOMPARE(d.display(), QStringLiteral("7"));
}

SINTAREL_TEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
