#include "rankings/listfind.h"
#include "support/testapp.h"

class TestListFind : public QObject
{
    Q_OBJECT
private slots:
    void find_data();
    void find();
    void remembersLoweredText();
};

void TestListFind::find_data()
{
    const QStringList lines{"ROSSI MARIO", "BIANCHI LUCA", "ROSSINI ANNA", "VERDI \u00c8LIA", "ROSSI PIO"};
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("found");

    QTest::newRow("new text from the top, first line tested at once") << lines << 3 << "rossi"
                                                                      << "verdi" << 0 << true;
    QTest::newRow("new text found further down") << lines << 4 << "bianchi"
                                                 << "" << 1 << true;
    QTest::newRow("same text continues") << lines << 0 << "rossi"
                                         << "rossi" << 2 << true;
    QTest::newRow("same text wraps round") << lines << 4 << "rossi"
                                           << "rossi" << 0 << true;
    QTest::newRow("single match stays") << lines << 1 << "bianchi"
                                        << "bianchi" << 1 << true;
    QTest::newRow("nothing selected: first line, same text tests it last") << lines << -1 << "rossi"
                                                                           << "rossi" << 2 << true;
    QTest::newRow("not found keeps selection") << lines << 3 << "neri"
                                               << "" << 3 << false;
    QTest::newRow("not found, nothing selected: first line") << lines << -1 << "neri"
                                                             << "" << 0 << false;
    QTest::newRow("empty text occurs nowhere") << lines << 2 << ""
                                               << "x" << 2 << false;
    QTest::newRow("A to Z only: rossi finds ROSSI") << lines << 1 << "ROSSINI"
                                                    << "" << 2 << true;
    QTest::newRow("accented letters keep their case") << lines << 0 << "\u00e8lia"
                                                      << "" << 0 << false;
    QTest::newRow("accented letters match as typed") << lines << 0 << "\u00c8lia"
                                                     << "" << 3 << true;
    QTest::newRow("not trimmed") << lines << 0 << "rossi "
                                 << "" << 0 << true;
    QTest::newRow("blank not found") << lines << 4 << "  "
                                     << "" << 4 << false;
}

void TestListFind::find()
{
    QFETCH(QStringList, lines);
    QFETCH(int, selected);
    QFETCH(QString, typed);
    QFETCH(QString, remembered);
    QFETCH(int, result);
    QFETCH(bool, found);
    const listfind::Result r = listfind::find(lines, selected, typed, remembered);
    QCOMPARE(r.selected, qsizetype(result));
    QCOMPARE(r.found, found);
}

void TestListFind::remembersLoweredText()
{
    const QStringList lines{"ROSSI", "ROSSI", "BIANCHI"};
    QString remembered;
    listfind::Result r = listfind::find(lines, -1, QStringLiteral("RoSSi"), remembered);
    QCOMPARE(remembered, QStringLiteral("rossi"));
    QCOMPARE(r.selected, 0);
    // Clicking again with the same text walks through the matches and wraps.
    r = listfind::find(lines, r.selected, QStringLiteral("rossi"), remembered);
    QCOMPARE(r.selected, 1);
    r = listfind::find(lines, r.selected, QStringLiteral("ROSSI"), remembered);
    QCOMPARE(r.selected, 0);
}

SINTAREL_TEST_MAIN(TestListFind)
#include "tst_listfind.moc"
