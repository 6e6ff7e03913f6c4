#include "access/passwordstore.h"
#include "help/helptopics.h"
#include "support/testapp.h"

#include <QRegularExpression>

class TestTopics : public QObject
{
    Q_OBJECT
private slots:
    void topicTable_data();
    void topicTable();
    void findIsExact();
    void paragraphsAreSingleLines();
    void initialPasswordInParagraph17();
};

void TestTopics::topicTable_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("added"); // a paragraph after the run, 0 for none
    QTest::newRow("start screen") << "Uno sguardo a Sintarel" << 1 << 20 << 0;
    QTest::newRow("sessions") << "Gestione sessioni d'esame" << 3 << 13 << 0;
    QTest::newRow("rankings") << "Visualizzazione graduatorie" << 14 << 16 << 25;
    QTest::newRow("export") << "Esportazione archivio candidati esaminati in Microsoft Excel" << 21 << 24
                            << 0;
}

// Each topic is its run of paragraphs joined by CR LF CR LF: no empty line
// before the first paragraph or after the last, exactly one between two.
void TestTopics::topicTable()
{
    QFETCH(QString, title);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, added);

    const helptopics::Topic *topic = helptopics::find(title);
    QVERIFY(topic);
    QCOMPARE(topic->title, title);

    const QString text = helptopics::text(*topic);
    const int count = last - first + 1 + (added > 0 ? 1 : 0);
    QVERIFY(text.startsWith(helptopics::paragraph(first)));
    QVERIFY(text.endsWith(helptopics::paragraph(added > 0 ? added : last)));
    const QStringList parts = text.split(QStringLiteral("\r\n\r\n"));
    QCOMPARE(parts.size(), count);
    for (int n = first; n <= last; ++n)
        QCOMPARE(parts.at(n - first), helptopics::paragraph(n));
    // The only line breaks are the separators.
    QCOMPARE(text.count(QLatin1Char('\r')), 2 * (count - 1));
    QCOMPARE(text.count(QLatin1Char('\n')), 2 * (count - 1));
}

void TestTopics::findIsExact()
{
    QCOMPARE(helptopics::topics().size(), 4);
    QVERIFY(!helptopics::find(QStringLiteral("uno sguardo a sintarel")));
    QVERIFY(!helptopics::find(QStringLiteral("Uno sguardo a Sintarel ")));
    QVERIFY(!helptopics::find(QString()));
    QCOMPARE(helptopics::find(helptopics::sessionTitle())->first, 3);
    QCOMPARE(helptopics::find(helptopics::rankingTitle())->first, 14);
    QCOMPARE(helptopics::find(helptopics::exportTitle())->first, 21);
    QCOMPARE(helptopics::find(helptopics::startTitle())->first, 1);
}

void TestTopics::paragraphsAreSingleLines()
{
    static const QRegularExpression control(QStringLiteral("[\\x00-\\x1F]"));
    for (int n = 1; n <= helptopics::kParagraphCount; ++n) {
        const QString &p = helptopics::paragraph(n);
        QVERIFY2(!p.isEmpty(), qPrintable(QString::number(n)));
        QVERIFY2(!p.contains(control), qPrintable(QString::number(n)));
        QVERIFY2(p == p.trimmed(), qPrintable(QString::number(n)));
    }
    // Spot checks on accented letters and apostrophes, first and last words.
    QVERIFY(helptopics::paragraph(1).startsWith(QStringLiteral("Sintarel è un software facile")));
    QVERIFY(helptopics::paragraph(2).contains(QStringLiteral("E' possibile visualizzare")));
    QVERIFY(
        helptopics::paragraph(3).startsWith(QStringLiteral("Il pulsante Crea nuova sessione dà accesso")));
    QVERIFY(helptopics::paragraph(13).endsWith(QStringLiteral("Libre Office o Microsoft Office).")));
    QVERIFY(helptopics::paragraph(20).endsWith(QStringLiteral("praticamente nulli.")));
    QCOMPARE(helptopics::paragraph(23),
             QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso "
                            "assegnandogli un nome qualsiasi."));
    QVERIFY(helptopics::paragraph(24).startsWith(QStringLiteral("I pulsanti Salva XLSX e Salva CSV")));
    QVERIFY(helptopics::paragraph(24).contains(QStringLiteral("Importa candidati")));
}

// The help tells a new user the password the installed store really holds.
void TestTopics::initialPasswordInParagraph17()
{
    const QString p = helptopics::paragraph(17);
    QVERIFY(p.startsWith(QStringLiteral("L'accesso al software è protetto da una password aggiornabile")));
    QVERIFY(p.endsWith(QStringLiteral(", bisogna utilizzare la parola chiave \"pomodorigialli\" "
                                      "(scritta senza le virgolette).")));
    QCOMPARE(p.count(QLatin1Char('"')), 2);

    const int open = p.indexOf(QLatin1Char('"'));
    const QString quoted = p.mid(open + 1, p.indexOf(QLatin1Char('"'), open + 1) - open - 1);
    const QString stored = passwordstore::read(sourceDir() + QStringLiteral("/assets/"));
    QCOMPARE(passwordstore::normalise(quoted), stored);
}

SINTAREL_TEST_MAIN(TestTopics)
#include "tst_topics.moc"
