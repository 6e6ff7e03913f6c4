#include "support/testapp.h"
#include "tools/fiscalcode.h"
#include "tools/vatnumber.h"

// The two check engines: fiscal code check character and VAT number check digit
// with its office table.
class TestTaxCodes : public QObject
{
    Q_OBJECT
private slots:
    void fiscalCode_data();
    void fiscalCode();
    void birthDate_data();
    void birthDate();
    void fiscalTables_data();
    void fiscalTables();
    void vatNumber_data();
    void vatNumber();
    void offices_data();
    void offices();
    void officeTableHas104Entries();
};

void TestTaxCodes::fiscalCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");
    // Real-shaped codes whose check letters were worked out apart from this program.
    QTest::newRow("Rossi Mario") << "RSSMRA85T10A562S" << true;
    QTest::newRow("woman, day + 40") << "BNCGNN70A41H501V" << true;
    QTest::newRow("Verdi Luigi") << "VRDLGU80M01F205K" << true;
    QTest::newRow("Martini Matteo") << "MRTMTT91D08F205J" << true;
    QTest::newRow("wrong check letter") << "RSSMRA85T10A562T" << false;
    QTest::newRow("two characters swapped") << "RSSMRA58T10A562S" << false;
    // Only the check character is tested.
    QTest::newRow("fifteen A + I") << "AAAAAAAAAAAAAAAI" << true;
    QTest::newRow("fifteen zeros + I") << "000000000000000I" << true;
    QTest::newRow("fifteen A + A") << "AAAAAAAAAAAAAAAA" << false;
    QTest::newRow("fifteen A + Z") << "AAAAAAAAAAAAAAAZ" << false;
    QTest::newRow("signs between 9 and A count 0") << ":;<=>?@AAAAAAAAE" << true;
    // Characters outside "0" to "Z" have no value: the code is wrong, whatever its
    // last letter (a blank, a hyphen, an accented letter, lower case, past "Z").
    QTest::newRow("blank inside") << "RSSMRA 5T10A562S" << false;
    QTest::newRow("hyphen") << "-AAAAAAAAAAAAAAI" << false;
    QTest::newRow("accented letter") << QString::fromUtf16(u"ÈAAAAAAAAAAAAAAI") << false;
    QTest::newRow("lower case is not folded here") << "aAAAAAAAAAAAAAAI" << false;
    QTest::newRow("past Z") << "[AAAAAAAAAAAAAAI" << false;
    QTest::newRow("control character") << QStringLiteral("\tAAAAAAAAAAAAAAI") << false;
    QTest::newRow("15 characters") << "AAAAAAAAAAAAAAA" << false;
    QTest::newRow("17 characters") << "AAAAAAAAAAAAAAAIA" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("check character a digit") << "AAAAAAAAAAAAAAA8" << false;
}

void TestTaxCodes::fiscalCode()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QCOMPARE(fiscalcode::isValid(code), valid);
}

namespace
{
// The first fifteen characters with their check letter.
QString checked(const QString &fifteen)
{
    return fifteen + fiscalcode::expectedCheckCharacter(fifteen);
}
} // namespace

void TestTaxCodes::birthDate_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QDate>("notAfter");
    QTest::addColumn<QDate>("born"); // null: none
    const QDate exam(2026, 12, 10);
    QTest::newRow("man") << checked("RSSMRA85T10A562") << exam << QDate(1985, 12, 10);
    QTest::newRow("woman, day + 40") << "BNCGNN70A41H501V" << exam << QDate(1970, 1, 1);
    QTest::newRow("woman on the 31st") << checked("BNCGNN90E71H501") << exam << QDate(1990, 5, 31);
    QTest::newRow("every month letter: S") << checked("VRDLGU80S01F205") << exam << QDate(1980, 11, 1);
    QTest::newRow("omocodia in the day") << checked("RSSMRA85T1LA562") << exam << QDate(1985, 12, 10);
    QTest::newRow("omocodia in year and day") << checked("RSSMRAURTMLA56N") << exam << QDate(1985, 12, 10);
    QTest::newRow("lower case and blanks folded")
        << QString(" " + checked("RSSMRA85T10A562").toLower() + " ") << exam << QDate(1985, 12, 10);
    QTest::newRow("this century when not after the exam")
        << checked("RSSMRA05A01A562") << exam << QDate(2005, 1, 1);
    QTest::newRow("born on the exam day")
        << checked("RSSMRA26A01A562") << QDate(2026, 1, 1) << QDate(2026, 1, 1);
    QTest::newRow("the day after the exam: last century")
        << checked("RSSMRA26A02A562") << QDate(2026, 1, 1) << QDate(1926, 1, 2);
    QTest::newRow("exam in 2004, year 05")
        << checked("RSSMRA05A01A562") << QDate(2004, 6, 30) << QDate(1905, 1, 1);
    QTest::newRow("29 February 2000") << checked("RSSMRA00B29A562") << exam << QDate(2000, 2, 29);
    QTest::newRow("29 February, 1900 lacks it") << checked("RSSMRA00B29A562") << QDate(1999, 6, 1) << QDate();
    QTest::newRow("wrong check letter") << "RSSMRA85T10A562T" << exam << QDate();
    QTest::newRow("month letter F") << checked("RSSMRA85F10A562") << exam << QDate();
    QTest::newRow("day 35") << checked("RSSMRA85T35A562") << exam << QDate();
    QTest::newRow("day 00") << checked("RSSMRA85T00A562") << exam << QDate();
    QTest::newRow("31 April") << checked("RSSMRA85D31A562") << exam << QDate();
    QTest::newRow("letter in the year") << checked("RSSMRA8AT10A562") << exam << QDate();
    QTest::newRow("empty") << "" << exam << QDate();
}

void TestTaxCodes::birthDate()
{
    QFETCH(QString, code);
    QFETCH(QDate, notAfter);
    QFETCH(QDate, born);
    const auto got = fiscalcode::birthDate(code, notAfter);
    QCOMPARE(got.value_or(QDate()), born);
}

void TestTaxCodes::fiscalTables_data()
{
    QTest::addColumn<QChar>("c");
    QTest::addColumn<int>("odd");
    QTest::addColumn<int>("even");
    QTest::newRow("0") << QChar(u'0') << 1 << 0;
    QTest::newRow("9") << QChar(u'9') << 21 << 9;
    QTest::newRow("@") << QChar(u'@') << 0 << 0;
    QTest::newRow("A") << QChar(u'A') << 1 << 0;
    QTest::newRow("J") << QChar(u'J') << 21 << 9;
    QTest::newRow("K") << QChar(u'K') << 2 << 10;
    QTest::newRow("O") << QChar(u'O') << 11 << 14;
    QTest::newRow("T") << QChar(u'T') << 14 << 19;
    QTest::newRow("X") << QChar(u'X') << 25 << 23;
    QTest::newRow("Z") << QChar(u'Z') << 23 << 25;
    QTest::newRow("/ before 0") << QChar(u'/') << -1 << -1;
    QTest::newRow("[ after Z") << QChar(u'[') << -1 << -1;
    QTest::newRow("z") << QChar(u'z') << -1 << -1;
    QTest::newRow("wide character") << QChar(u'\u20AC') << -1 << -1;
}

void TestTaxCodes::fiscalTables()
{
    QFETCH(QChar, c);
    QFETCH(int, odd);
    QFETCH(int, even);
    QCOMPARE(fiscalcode::oddValue(c), odd);
    QCOMPARE(fiscalcode::evenValue(c), even);
}

void TestTaxCodes::vatNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("valid");
    QTest::newRow("office 001") << "00000000018" << true;
    QTest::newRow("office 120") << "00000001206" << true;
    QTest::newRow("office 101") << "00000001016" << true;
    QTest::newRow("eleven zeros") << "00000000000" << true;
    QTest::newRow("doubled digits over 9") << "12345670017" << true;
    QTest::newRow("real-shaped") << "00803980036" << true;
    QTest::newRow("office 103, no entry, still valid") << "00000001032" << true;
    QTest::newRow("001, last digit 7") << "00000000017" << false;
    QTest::newRow("001, last digit 9") << "00000000019" << false;
    QTest::newRow("120, last digit 0") << "00000001200" << false;
    QTest::newRow("letter inside") << "0000A000018" << false;
    QTest::newRow("letter last") << "0000000001A" << false;
    QTest::newRow("blank inside") << "0000 000018" << false;
    QTest::newRow("10 digits") << "0000000001" << false;
    QTest::newRow("12 digits") << "000000000180" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("Arabic-Indic digits are not digits here")
        << QString::fromUtf16(u"0000000001\u0668") << false;
}

void TestTaxCodes::vatNumber()
{
    QFETCH(QString, number);
    QFETCH(bool, valid);
    QCOMPARE(vatnumber::isValid(number), valid);
}

void TestTaxCodes::offices_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("office");
    QTest::newRow("001") << "001"
                         << "Torino";
    QTest::newRow("026") << "026"
                         << "Treviso";
    QTest::newRow("027") << "027"
                         << "Venezia";
    QTest::newRow("040") << QStringLiteral("040") << QStringLiteral("Forlì");
    QTest::newRow("052") << "052"
                         << "Siena";
    QTest::newRow("053") << "053"
                         << "Grosseto";
    QTest::newRow("078") << "078"
                         << "Cosenza";
    QTest::newRow("079") << "079"
                         << "Catanzaro";
    QTest::newRow("096") << "096"
                         << "Monza (Milano 2)";
    QTest::newRow("099") << "099"
                         << "Chiavari (Genova 2)";
    QTest::newRow("101") << "101"
                         << "Bologna 2";
    QTest::newRow("102") << "102"
                         << "Napoli 2";
    QTest::newRow("120") << "120"
                         << "Bologna 2";
    QTest::newRow("121") << "121"
                         << "Napoli 2";
    QTest::newRow("000") << "000"
                         << "";
    QTest::newRow("103") << "103"
                         << "";
    QTest::newRow("119") << "119"
                         << "";
    QTest::newRow("122") << "122"
                         << "";
    QTest::newRow("999") << "999"
                         << "";
    QTest::newRow("not digits") << "A01"
                                << "";
    QTest::newRow("short") << "01"
                           << "";
}

void TestTaxCodes::offices()
{
    QFETCH(QString, code);
    QFETCH(QString, office);
    QCOMPARE(vatnumber::officeName(code), office);
}

void TestTaxCodes::officeTableHas104Entries()
{
    int entries = 0;
    for (int code = 0; code <= 999; ++code) {
        if (!vatnumber::officeName(QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'))).isEmpty())
            ++entries;
    }
    QCOMPARE(entries, 104);
}

SINTAREL_TEST_MAIN(TestTaxCodes)
#include "tst_taxcodes.moc"
