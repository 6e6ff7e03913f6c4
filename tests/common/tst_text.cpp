#include "common/cp1252.h"
#include "common/formats.h"
#include "common/text.h"
#include "support/testapp.h"

#include <QLocale>

class TestText : public QObject
{
    Q_OBJECT
private slots:
    void trimming_data();
    void trimming();
    void blankingControls_data();
    void blankingControls();
    void caseFolding();
    void sortedOrder_data();
    void sortedOrder();
    void cp1252RoundTrip();
    void cp1252Unmappable_data();
    void cp1252Unmappable();
    void formatsIgnoreSystemLocale_data();
    void formatsIgnoreSystemLocale();
    void parseDecimal_data();
    void parseDecimal();
};

void TestText::trimming_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("blanks") << "  a b  "
                            << "a b";
    QTest::newRow("controls") << QString("\t\r\n\x01x\x1f") << "x";
    QTest::newRow("nbsp kept") << QString("\u00a0x\u00a0") << QString("\u00a0x\u00a0");
    QTest::newRow("all blank") << " \t "
                               << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestText::blankingControls_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<bool>("keepLineBreaks");
    QTest::addColumn<QString>("out");
    QTest::newRow("none") << "ROSSI MARIO" << false << "ROSSI MARIO";
    QTest::newRow("LF and TAB") << QString("ROSSI\nMARIO\tx") << false << "ROSSI MARIO x";
    QTest::newRow("CR, NUL, DEL, 0x1F") << QString("a\rb") + QChar(0) +
                                               QString("c\x7f"
                                                       "d\x1f")
                                        << false << "a b c d ";
    QTest::newRow("line breaks kept") << QString("uno\ndue\tx") << true << "uno\ndue x";
    QTest::newRow("no-break space and accents kept") << QString("\u00a0è") << false << QString("\u00a0è");
}

void TestText::blankingControls()
{
    QFETCH(QString, in);
    QFETCH(bool, keepLineBreaks);
    QFETCH(QString, out);
    text::blankControls(in, keepLineBreaks);
    QCOMPARE(in, out);
}

void TestText::trimming()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(text::trimmed(in), out);
}

void TestText::caseFolding()
{
    QCOMPARE(text::upperAZ(QStringLiteral("pomodori àèì z")), QStringLiteral("POMODORI àèì Z"));
    QCOMPARE(text::lowerAZ(QStringLiteral("ROSSI ÀÉ a")), QStringLiteral("rossi ÀÉ a"));
}

void TestText::sortedOrder_data()
{
    QTest::addColumn<QStringList>("in");
    QTest::addColumn<QStringList>("out");
    QTest::newRow("case folded") << QStringList{"C.vai", "b.vai", "A.vai"}
                                 << QStringList{"A.vai", "b.vai", "C.vai"};
    QTest::newRow("prefix first") << QStringList{"abc", "ab", "a"} << QStringList{"a", "ab", "abc"};
    // '_' (95) sorts after capitals (Z = 90) once a-z are folded.
    QTest::newRow("by code after folding") << QStringList{"a_", "aZ", "ab"} << QStringList{"ab", "aZ", "a_"};
    QTest::newRow("accents by code") << QStringList{"È", "e", "Z"} << QStringList{"e", "Z", "È"};
}

void TestText::sortedOrder()
{
    QFETCH(QStringList, in);
    QFETCH(QStringList, out);
    text::sortLines(in);
    QCOMPARE(in, out);
}

void TestText::cp1252RoundTrip()
{
    for (int b = 0x20; b <= 0xFF; ++b) {
        const char c = static_cast<char>(b);
        const QString decoded = cp1252::decode(&c, 1);
        QCOMPARE(decoded.size(), 1);
        QCOMPARE(cp1252::encode(decoded), QByteArray(1, c));
    }
    QCOMPARE(cp1252::decode(QByteArray("\x80\x9c\xec")), QStringLiteral("€œì"));
}

void TestText::cp1252Unmappable_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("macron to base letter") << QStringLiteral("Ā ō") << QByteArray("A o");
    QTest::newRow("caron kept when present") << QStringLiteral("Šž") << QByteArray("\x8a\x9e");
    QTest::newRow("cyrillic") << QStringLiteral("Жx") << QByteArray("?x");
    QTest::newRow("stroke letters to their base") << QStringLiteral("Łódź Đ")
                                                  << QByteArray("L\xf3"
                                                                "dz D");
    QTest::newRow("no letter to fall back on") << QStringLiteral("∑→") << QByteArray("??");
    QTest::newRow("several marks on a letter") << QStringLiteral("ő Ǖ ḗ") << QByteArray("o U e");
    // Compatibility forms are not a letter with accents: keeping their first
    // character would store another value.
    QTest::newRow("compatibility forms") << QStringLiteral("⑩ ⅓ ﬁ ǉ ²") << QByteArray("? ? ? ? \xb2");
    QTest::newRow("accented letter of another script") << QStringLiteral("Ёx") << QByteArray("?x");
    QTest::newRow("outside basic plane is one mark") << QStringLiteral("a😀b") << QByteArray("a?b");
}

void TestText::cp1252Unmappable()
{
    QFETCH(QString, in);
    QFETCH(QByteArray, out);
    QCOMPARE(cp1252::encode(in), out);
    QVERIFY(!cp1252::encode(in).contains('\x1a'));
}

void TestText::formatsIgnoreSystemLocale_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::newRow("C") << "C";
    QTest::newRow("en_US") << "en_US";
    QTest::newRow("it_IT") << "it_IT";
}

void TestText::formatsIgnoreSystemLocale()
{
    QFETCH(QString, localeName);
    const QLocale saved;
    QLocale::setDefault(QLocale(localeName));
    QCOMPARE(formats::date(QDate(2026, 3, 7)), QStringLiteral("07/03/2026"));
    QCOMPARE(formats::decimal(1234.5, 2), QStringLiteral("1234,50"));
    QCOMPARE(formats::decimal(-0.001, 2), QStringLiteral("0,00"));
    double v = 0;
    QVERIFY(formats::parseDecimal(QStringLiteral("12,5"), &v));
    QCOMPARE(v, 12.5);
    QCOMPARE(formats::parseDate(QStringLiteral("07/03/2026")), QDate(2026, 3, 7));
    QLocale::setDefault(saved);
}

void TestText::parseDecimal_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << " 7,25 " << true << 7.25;
    QTest::newRow("point") << "7.25" << true << 7.25;
    QTest::newRow("negative") << "-3" << true << -3.0;
    QTest::newRow("two separators") << "1,,5" << false << 0.0;
    QTest::newRow("letters") << "12a" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("arabic digits") << "\u0661" << false << 0.0;
}

void TestText::parseDecimal()
{
    QFETCH(QString, in);
    QFETCH(bool, ok);
    QFETCH(double, value);
    double v = 0;
    QCOMPARE(formats::parseDecimal(in, &v), ok);
    if (ok)
        QCOMPARE(v, value);
}

SINTAREL_TEST_MAIN(TestText)
#include "tst_text.moc"
