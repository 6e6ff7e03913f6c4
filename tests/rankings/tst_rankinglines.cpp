#include "archive/record.h"
#include "common/text.h"
#include "rankings/linetable.h"
#include "rankings/rankinglines.h"
#include "support/testapp.h"

class TestRankingLines : public QObject
{
    Q_OBJECT
private slots:
    void fitted_data();
    void fitted();
    void candidateLine();
    void candidateLineCuts_data();
    void candidateLineCuts();
    void meritLine();
    void controlCharactersShowAsBlanks();
    void meritLineCuts_data();
    void meritLineCuts();
    void rankField_data();
    void rankField();
    void sortedOrder_data();
    void sortedOrder();
};

void TestRankingLines::fitted_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("result");
    QTest::newRow("filled") << "ab" << 4 << "ab  ";
    QTest::newRow("cut") << "abcdef" << 4 << "abcd";
    QTest::newRow("exact") << "abcd" << 4 << "abcd";
    QTest::newRow("trimmed first") << " \t ab\r\n" << 4 << "ab  ";
    QTest::newRow("inner blanks kept") << "a  b" << 5 << "a  b ";
    QTest::newRow("empty") << "" << 3 << "   ";
}

void TestRankingLines::fitted()
{
    QFETCH(QString, value);
    QFETCH(int, width);
    QFETCH(QString, result);
    QCOMPARE(lines::fitted(value, width), result);
}

void TestRankingLines::controlCharactersShowAsBlanks()
{
    // An LF or TAB stored by another program must not hide the rest of the line.
    const QString candidate =
        lines::candidateLine(QStringLiteral("ROSSI\nMARIO"), QStringLiteral("RSSMRA80A01H501U"),
                             QStringLiteral("15/06/2024"), QStringLiteral("a\tb"), QStringLiteral("87,50"));
    QCOMPARE(candidate, lines::candidateLine(QStringLiteral("ROSSI MARIO"),
                                             QStringLiteral("RSSMRA80A01H501U"), QStringLiteral("15/06/2024"),
                                             QStringLiteral("a b"), QStringLiteral("87,50")));
    const QString merit =
        lines::meritLine(3, QStringLiteral("ROSSI\rMARIO"), QStringLiteral("RSSMRA80A01H501U"),
                         QStringLiteral("x\x1fy"), QStringLiteral("8\t7"));
    QCOMPARE(merit, lines::meritLine(3, QStringLiteral("ROSSI MARIO"), QStringLiteral("RSSMRA80A01H501U"),
                                     QStringLiteral("x y"), QStringLiteral("8 7")));

    // The lists of a whole session build the same lines from the stored bytes.
    TScheda record = TScheda::blank();
    record.setText(TScheda::Field::Concorrente, QStringLiteral("ROSSI\nMARIO"));
    record.setText(TScheda::Field::Responsabile, QStringLiteral("RSSMRA80A01H501U"));
    record.setText(TScheda::Field::Email, QStringLiteral("15/06/2024"));
    record.setText(TScheda::Field::Note, QStringLiteral("a\tb"));
    record.setText(TScheda::Field::Punteggio, QStringLiteral("87,50"));
    LineTable table;
    lines::appendCandidateLine(table.bytes(), record);
    table.endLine();
    QCOMPARE(table.at(0), candidate);
}

void TestRankingLines::candidateLine()
{
    const QString line =
        lines::candidateLine(QStringLiteral(" ROSSI MARIO "), QStringLiteral("RSSMRA80A01H501U"),
                             QStringLiteral("15/06/2024"), QStringLiteral("ok"), QStringLiteral(" 87,50 "));
    const QString expected = QStringLiteral("ROSSI MARIO") + QString(23, u' ') + QStringLiteral("  C.F. ") +
                             QStringLiteral("RSSMRA80A01H501U") + QStringLiteral("  Data: ") +
                             QStringLiteral("15/06/2024") + QStringLiteral("  Note: ") +
                             QStringLiteral("ok") + QString(52, u' ') + QStringLiteral("  Punti: 87,50");
    QCOMPARE(line, expected);
    QCOMPARE(line.size(), 34 + 7 + 16 + 8 + 10 + 8 + 54 + 9 + 5);

    TScheda r = TScheda::blank();
    r.setText(TScheda::Field::Concorrente, QStringLiteral(" ROSSI MARIO "));
    r.setText(TScheda::Field::Responsabile, QStringLiteral("RSSMRA80A01H501U"));
    r.setText(TScheda::Field::Email, QStringLiteral("15/06/2024"));
    r.setText(TScheda::Field::Note, QStringLiteral("ok"));
    r.setText(TScheda::Field::Punteggio, QStringLiteral(" 87,50 "));
    r.setText(TScheda::Field::Telefono, QStringLiteral("Roma"));
    QCOMPARE(lines::candidateLine(r), expected);
}

void TestRankingLines::candidateLineCuts_data()
{
    QTest::addColumn<int>("field"); // 0 name, 1 fiscal code, 2 date, 3 notes
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("offset");
    QTest::newRow("name 34") << 0 << 34 << 0;
    QTest::newRow("fiscal code 16") << 1 << 16 << 41;
    QTest::newRow("exam date 10") << 2 << 10 << 65;
    QTest::newRow("notes 54") << 3 << 54 << 83;
}

void TestRankingLines::candidateLineCuts()
{
    QFETCH(int, field);
    QFETCH(int, width);
    QFETCH(int, offset);
    QString long_;
    for (int i = 0; i < 80; ++i)
        long_ += QChar(u'A' + i % 26);
    QStringList values(4, QStringLiteral("x"));
    values[field] = long_;
    const QString line =
        lines::candidateLine(values[0], values[1], values[2], values[3], QStringLiteral("9"));
    QCOMPARE(line.mid(offset, width), long_.left(width));
    QCOMPARE(line.size(), 146 + 1);
    QVERIFY(line.endsWith(QStringLiteral("  Punti: 9")));
}

void TestRankingLines::meritLine()
{
    const QString line = lines::meritLine(1, QStringLiteral("ROSSI"), QStringLiteral("RSSMRA80A01H501U"),
                                          QStringLiteral(" nota "), QStringLiteral(" 100,00 "));
    const QString expected = QStringLiteral("1    ") + QStringLiteral("  ") + QStringLiteral("ROSSI") +
                             QString(30, u' ') + QStringLiteral("  C.F. RSSMRA80A01H501U") +
                             QStringLiteral("  Note: nota") + QString(59, u' ') +
                             QStringLiteral("  Punti: 100,00");
    QCOMPARE(line, expected);
}

void TestRankingLines::meritLineCuts_data()
{
    QTest::addColumn<int>("field"); // 0 name, 1 fiscal code, 2 notes
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("offset");
    QTest::newRow("name 35") << 0 << 35 << 7;
    QTest::newRow("fiscal code 16") << 1 << 16 << 49;
    QTest::newRow("notes 63") << 2 << 63 << 73;
}

void TestRankingLines::meritLineCuts()
{
    QFETCH(int, field);
    QFETCH(int, width);
    QFETCH(int, offset);
    QString long_;
    for (int i = 0; i < 120; ++i)
        long_ += QChar(u'a' + i % 26);
    QStringList values(3, QStringLiteral("x"));
    values[field] = long_;
    const QString score = QStringLiteral("123456789012345"); // never cut
    const QString line = lines::meritLine(7, values[0], values[1], values[2], score);
    QCOMPARE(line.mid(offset, width), long_.left(width));
    QVERIFY(line.endsWith(QStringLiteral("  Punti: ") + score));
    QCOMPARE(line.size(), 5 + 2 + 35 + 7 + 16 + 8 + 63 + 9 + 15);
}

void TestRankingLines::rankField_data()
{
    QTest::addColumn<qint64>("rank");
    QTest::addColumn<QString>("field");
    QTest::newRow("1") << qint64(1) << "1    ";
    QTest::newRow("12") << qint64(12) << "12   ";
    QTest::newRow("99999") << qint64(99999) << "99999";
    QTest::newRow("100000 cut") << qint64(100000) << "10000";
}

void TestRankingLines::rankField()
{
    QFETCH(qint64, rank);
    QFETCH(QString, field);
    const QString line = lines::meritLine(rank, QStringLiteral("A"), QString(), QString(), QString());
    QCOMPARE(line.left(7), field + QStringLiteral("  "));
}

void TestRankingLines::sortedOrder_data()
{
    QTest::addColumn<QStringList>("names"); // in the expected order
    QTest::newRow("ROSSI before ROSSINI") << QStringList{"ROSSI", "ROSSINI"};
    QTest::newRow("apostrophe and space below letters") << QStringList{"D ANGELO", "D'ANGELO", "DA SILVA"};
    QTest::newRow("accented capitals after Z") << QStringList{"ZANCHI", "\u00c0LVARO", "\u00c8RCOLE"};
    QTest::newRow("case of a to z ignored") << QStringList{"bianchi", "CARLI", "d'amico"};
}

void TestRankingLines::sortedOrder()
{
    QFETCH(QStringList, names);
    QStringList shuffled;
    for (qsizetype i = names.size() - 1; i >= 0; --i)
        shuffled.append(lines::candidateLine(names[i], QStringLiteral("CF"), QString(), QString(), "1"));
    text::sortLines(shuffled);
    for (qsizetype i = 0; i < names.size(); ++i)
        QVERIFY2(shuffled[i].startsWith(names[i]), qPrintable(shuffled.join(u'|')));
}

SINTAREL_TEST_MAIN(TestRankingLines)
#include "tst_rankinglines.moc"
