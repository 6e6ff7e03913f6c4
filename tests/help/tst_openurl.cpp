#include "help/maker.h"
#include "help/openurl.h"
#include "support/testapp.h"

#include <QUrlQuery>

class TestOpenUrl : public QObject
{
    Q_OBJECT
private slots:
    void urlFor_data();
    void urlFor();
    void manualPathQuotedWithBlanks();
    void mailLinkKeepsBlanks();
    void openHandsOverOnceOrNotAtAll();
};

void TestOpenUrl::urlFor_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QUrl>("expected");
    QTest::newRow("quoted path") << "\"/opt/Sintarel/Guida.pdf\""
                                 << QUrl::fromLocalFile("/opt/Sintarel/Guida.pdf");
    QTest::newRow("bare path") << "/opt/Sintarel/Sessione_Esame.xls"
                               << QUrl::fromLocalFile("/opt/Sintarel/Sessione_Esame.xls");
    QTest::newRow("quoted path with blanks and accents")
        << "\"/home/anna/Documenti/Esami di qualità/Guida.pdf\""
        << QUrl::fromLocalFile(QStringLiteral("/home/anna/Documenti/Esami di qualità/Guida.pdf"));
    QTest::newRow("path with a hash and a percent")
        << "\"/srv/corso #2 100%/Guida.pdf\"" << QUrl::fromLocalFile("/srv/corso #2 100%/Guida.pdf");
    QTest::newRow("windows drive path")
        << "\"C:\\Programmi\\Sintarel\\Guida.pdf\"" << QUrl::fromLocalFile("C:/Programmi/Sintarel/Guida.pdf");
    QTest::newRow("web address") << "https://www.sintarel.example.org"
                                 << QUrl("https://www.sintarel.example.org");
    QTest::newRow("quoted web address")
        << "\"http://www.sintarel.example.org/guida\"" << QUrl("http://www.sintarel.example.org/guida");
    QTest::newRow("address without scheme")
        << "www.sintarel.example.org" << QUrl("http://www.sintarel.example.org");
    QTest::newRow("empty") << "" << QUrl();
    QTest::newRow("only quotes") << "\"\"" << QUrl();
    QTest::newRow("blanks") << "   " << QUrl();
}

void TestOpenUrl::urlFor()
{
    QFETCH(QString, command);
    QFETCH(QUrl, expected);
    const QUrl url = TMisc::urlFor(command);
    QCOMPARE(url, expected);
    if (expected.isLocalFile())
        QCOMPARE(url.toLocalFile(), expected.toLocalFile());
}

// The manual's path goes between double quotes however many blanks the folder
// holds, and the desktop gets the same path back as a file URL.
void TestOpenUrl::manualPathQuotedWithBlanks()
{
    const QString folder = QStringLiteral("/media/chiavetta USB/Programmi  Sintarel/");
    const QString command = helplinks::manualCommand(folder);
    QCOMPARE(command, QStringLiteral("\"/media/chiavetta USB/Programmi  Sintarel/Guida.pdf\""));
    const QUrl url = TMisc::urlFor(command);
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), QStringLiteral("/media/chiavetta USB/Programmi  Sintarel/Guida.pdf"));
}

void TestOpenUrl::mailLinkKeepsBlanks()
{
    const QString link = helplinks::mailLink(QStringLiteral("info@sintarel.example.org"));
    QCOMPARE(link, QStringLiteral("mailto:info@sintarel.example.org?subject=Software Sintarel&body=Salve, "
                                  "desidererei avere le seguenti informazioni sul software in oggetto:"));
    QCOMPARE(helplinks::mailCommand(QStringLiteral("info@sintarel.example.org")),
             QLatin1Char('"') + link + QLatin1Char('"'));

    // What the mail program is handed: the same text, and read back the subject
    // and body with their blanks (not "+", not a doubly encoded "%2520").
    const QUrl url = TMisc::urlFor(helplinks::mailCommand(maker::emailAddress()));
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), maker::emailAddress());
    QCOMPARE(url.toString(), helplinks::mailLink(maker::emailAddress()));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             QStringLiteral("Software Sintarel"));
    QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
             QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:"));
    QVERIFY(url.toEncoded().contains("subject=Software%20Sintarel"));
}

void TestOpenUrl::openHandsOverOnceOrNotAtAll()
{
    FakeDesktopShell shell;
    TMisc::Open(shell, QStringLiteral("\"/tmp/a b/Guida.pdf\""));
    TMisc::Open(shell, QStringLiteral("\"\""));
    TMisc::Open(shell, maker::webAddress());
    QCOMPARE(shell.opened.size(), 2);
    QCOMPARE(shell.opened.at(0), QUrl::fromLocalFile(QStringLiteral("/tmp/a b/Guida.pdf")));
    QCOMPARE(shell.opened.at(1), QUrl(maker::webAddress()));
}

SINTAREL_TEST_MAIN(TestOpenUrl)
#include "tst_openurl.moc"
