#include "access/crypt.h"
#include "access/passwordstore.h"
#include "support/testapp.h"

#include <QFile>
#include <QTemporaryDir>

class TestCrypt : public QObject
{
    Q_OBJECT
private slots:
    void encrypt_data();
    void encrypt();
    void roundTripEveryByte();
    void decryptEdges_data();
    void decryptEdges();
    void decryptRejectsNonHex();
    void installedStore();
    void storeFiles_data();
    void storeFiles();
};

void TestCrypt::encrypt_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("hex");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("initial password") << "POMODORIGIALLI"
                                      << "74D4C2F3C95E6A9A80810A00D66B";
    // Only the low 8 bits of a code are kept: U+0141 scrambles like U+0041.
    QTest::newRow("low byte only") << QStringLiteral("\u0141") << Crypt::Encrypt(QStringLiteral("A"));
}

void TestCrypt::encrypt()
{
    QFETCH(QString, plain);
    QFETCH(QString, hex);
    QCOMPARE(Crypt::Encrypt(plain), hex);
}

void TestCrypt::roundTripEveryByte()
{
    QString all;
    for (int c = 0; c < 256; ++c)
        all.append(QChar(char16_t(c)));
    const QString hex = Crypt::Encrypt(all);
    QCOMPARE(hex.size(), 512);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]*$")).match(hex).hasMatch());
    QCOMPARE(Crypt::Decrypt(hex), all);
    QCOMPARE(Crypt::Decrypt(hex.toLower()), all);
}

void TestCrypt::decryptEdges_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("plain");
    QTest::newRow("odd digit ignored") << "74D4C2F3C95E6A9A80810A00D66B7"
                                       << "POMODORIGIALLI";
    QTest::newRow("single digit") << "7"
                                  << "";
    QTest::newRow("lower case") << "74d4"
                                << "PO";
}

void TestCrypt::decryptEdges()
{
    QFETCH(QString, hex);
    QFETCH(QString, plain);
    QCOMPARE(Crypt::Decrypt(hex), plain);
}

void TestCrypt::decryptRejectsNonHex()
{
    QVERIFY_THROWS_EXCEPTION(SintarelError, Crypt::Decrypt(QStringLiteral("74G4")));
    QVERIFY_THROWS_EXCEPTION(SintarelError, Crypt::Decrypt(QStringLiteral("7 ")));
}

void TestCrypt::installedStore()
{
    const QString dir = sourceDir() + QStringLiteral("/assets/");
    QCOMPARE(passwordstore::read(dir), QStringLiteral("POMODORIGIALLI"));
}

void TestCrypt::storeFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QString>("password");
    QTest::newRow("missing key") << QByteArray("[Accesso]\n") << false << "";
    QTest::newRow("section misspelt") << QByteArray("[Acceso]\nValore=74D4\n") << false << "";
    QTest::newRow("empty file") << QByteArray() << false << "";
    QTest::newRow("odd digits") << QByteArray("[Accesso]\nValore=74D4C\n") << false << "PO";
    QTest::newRow("non hex pair") << QByteArray("[Accesso]\nValore=74ZZ\n") << true << "";
    // A damaged value is read as it stands, never as a list or cut at ";".
    QTest::newRow("comma in the value") << QByteArray("[Accesso]\nValore=74D4,C2F3\n") << true << "";
    QTest::newRow("semicolon in the value") << QByteArray("[Accesso]\nValore=74D4;ZZ\n") << true << "";
    QTest::newRow("CR LF lines, other sections")
        << QByteArray("[Altro]\r\nValore=ZZ\r\n[Accesso]\r\nValore = 74D4\r\n") << false << "PO";
    QTest::newRow("blanks trimmed") << QByteArray("[Accesso]\nValore=") + Crypt::Encrypt(" AB ").toLatin1() +
                                           "\n"
                                    << false << "AB";
}

void TestCrypt::storeFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, fails);
    QFETCH(QString, password);
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("unins000.dll")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contents);
    f.close();
    if (fails) {
        QVERIFY_THROWS_EXCEPTION(SintarelError, passwordstore::read(dir.path()));
        return;
    }
    QCOMPARE(passwordstore::read(dir.path()), password);
}

SINTAREL_TEST_MAIN(TestCrypt)
#include "tst_crypt.moc"
