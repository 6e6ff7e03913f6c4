#include "rankings/rankinglines.h"
#include "rankings/selectionline.h"
#include "support/testapp.h"

using lines::LineKind;

// The selected candidate told in full under a ranking list.
class TestSelection : public QObject
{
    Q_OBJECT
private slots:
    void selectionText_data();
    void selectionText();
};

void TestSelection::selectionText_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown");
    const int merit = int(LineKind::Merit);
    const int candidate = int(LineKind::Candidate);
    const QString rossi = QStringLiteral("ROSSI MARIA GRAZIA");
    const QString cf = QStringLiteral("RSSMGR80A41H501U");
    QTest::newRow("merit") << lines::meritLine(3, rossi, cf, QStringLiteral("Nessuna"),
                                               QStringLiteral("87,50"))
                           << merit << QStringLiteral("3° ROSSI MARIA GRAZIA — 87,50 punti");
    QTest::newRow("merit, five-digit rank")
        << lines::meritLine(12345, rossi, cf, QString(), QStringLiteral("100,00")) << merit
        << QStringLiteral("12345° ROSSI MARIA GRAZIA — 100,00 punti");
    QTest::newRow("merit, empty score") << lines::meritLine(1, rossi, cf, QString(), QString()) << merit
                                        << QStringLiteral("1° ROSSI MARIA GRAZIA");
    // A name longer than its column shows as the list shows it: cut.
    QTest::newRow("merit, long name")
        << lines::meritLine(2, QString(40, u'A') + QStringLiteral("ZZZ"), cf, QString(), QStringLiteral("5"))
        << merit << QStringLiteral("2° ") + QString(35, u'A') + QStringLiteral(" — 5 punti");
    // Notes holding the score caption do not mislead: the columns decide.
    QTest::newRow("merit, notes with Punti:")
        << lines::meritLine(4, rossi, cf, QStringLiteral("  Punti: 99"), QStringLiteral("60,25")) << merit
        << QStringLiteral("4° ROSSI MARIA GRAZIA — 60,25 punti");
    QTest::newRow("merit, score with blanks inside")
        << lines::meritLine(5, rossi, cf, QString(), QStringLiteral("ottanta e mezzo")) << merit
        << QStringLiteral("5° ROSSI MARIA GRAZIA — ottanta e mezzo punti");
    QTest::newRow("alphabetical") << lines::candidateLine(rossi, cf, QStringLiteral("12/06/2024"),
                                                          QStringLiteral("Note"), QStringLiteral("87,50"))
                                  << candidate << QStringLiteral("ROSSI MARIA GRAZIA — 87,50 punti");
    QTest::newRow("alphabetical, accents") << lines::candidateLine(QStringLiteral("NICOLÒ D'ANGELO"), cf,
                                                                   QString(), QString(), QStringLiteral("7"))
                                           << candidate << QStringLiteral("NICOLÒ D'ANGELO — 7 punti");
    QTest::newRow("alphabetical, empty score")
        << lines::candidateLine(rossi, cf, QString(), QString(), QString()) << candidate << rossi;
    QTest::newRow("no selection") << QString() << merit << QString();
    QTest::newRow("no selection, alphabetical") << QString() << candidate << QString();
}

void TestSelection::selectionText()
{
    QFETCH(QString, line);
    QFETCH(int, kind);
    QFETCH(QString, shown);
    QCOMPARE(lines::selectionText(line, LineKind(kind)), shown);
}

SINTAREL_TEST_MAIN(TestSelection)
#include "tst_selection.moc"
