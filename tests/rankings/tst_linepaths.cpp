#include "archive/record.h"
#include "archive/sessionfile.h"
#include "common/text.h"
#include "export/exportgrid.h"
#include "export/spreadsheet.h"
#include "lists/candidatelist.h"
#include "lists/filtermatch.h"
#include "rankings/listfind.h"
#include "rankings/meritsort.h"
#include "rankings/rankinglines.h"
#include "rankings/rankingload.h"
#include "support/testapp.h"

#include <QFile>
#include <QTemporaryDir>

#include <random>

// The lists of a whole session are built from the stored bytes and formatted on
// demand. These tests build the same lists the plain way (every field decoded
// to text, every line a string, sorted as strings) on a generated session full
// of ties, odd scores, blanks and Windows-1252 letters, and compare line by line.
class TestLinePaths : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void meritRanking();
    void alphabeticalRanking();
    void eligibleAndSearch();
    void find();
    void exportGrid();

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::vector<TScheda> m_records;
};

namespace
{
using F = TScheda::Field;

QString pick(std::mt19937 &rng, const QStringList &list)
{
    return list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(rng)];
}

// Scores as users type them: equal values written differently, decimals with
// comma or point, signs, exponents, words, blanks and nothing at all.
const QStringList kScores = {"90",    "90,0", "90.00", "87,5", "87,50", " 87.5 ", "100", "0",      "-3",
                             "+12",   "1e2",  "1E1",   "",     "   ",   "abc",    "ND",  "12,5a",  "9,99",
                             "09,99", "45",   "45",    "45",   "60,25", "60.25",  "7",   "assente"};
const QStringList kSurnames = {"Rossi",     "ROSSI",   "rossi", "Rossini", "D'Angelo", "D Angelo",
                               "Àlvaro",    "Èrcole",  "Šimić", "Œdipe",   "€uro",     "Zanchi",
                               "  Bianchi", "Verdi\t", "Ñuñez", "Øre",     "ß",        ""};
const QStringList kNames = {"Mario", "MARIA", "anna", "Luca", "Nicolò", "Zoë", ""};

QString longText(std::mt19937 &rng, int words)
{
    QString s;
    for (int i = 0; i < words; ++i)
        s += pick(rng, {"prova", "Roma", "esame", "&", "<b>", "note", "rossi", "à", "€", "„"}) + u' ';
    return s;
}
} // namespace

void TestLinePaths::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(QStringLiteral("linee.vai"));
    std::mt19937 rng(16);
    const auto number = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < 10000; ++i) {
        TScheda r = TScheda::blank();
        QString name = pick(rng, kSurnames) + u' ' + pick(rng, kNames);
        if (number(0, 50) == 0)
            name = longText(rng, 30); // longer than every column
        r.setText(F::Concorrente, name);
        r.setText(F::Responsabile,
                  number(0, 5) == 0 ? QString() : QStringLiteral("RSSMRA%1A01H501U").arg(number(10, 99)));
        r.setText(F::Telefono, pick(rng, {"Roma", "Milano", " Napoli ", "Forlì", ""}));
        r.setText(F::Email, QStringLiteral("%1/0%2/2026").arg(number(10, 28)).arg(number(1, 9)));
        r.setText(F::Gare, longText(rng, number(0, 40)));
        r.setText(F::Punteggio, number(0, 3) == 0 ? QString::number(number(0, 100)) : pick(rng, kScores));
        r.setText(F::Note, number(0, 2) == 0 ? longText(rng, number(1, 20)) : QString());
        if (number(0, 9) != 0)
            r.setEligible(number(0, 2) != 0);
        if (number(0, 200) == 0) // a field filled to the end with no NUL
            std::fill_n(r.Punteggio, sizeof r.Punteggio, '7');
        m_records.push_back(r);
        QCOMPARE(file.write(r.bytes(), TScheda::kSize), TScheda::kSize);
    }
}

void TestLinePaths::meritRanking()
{
    std::vector<meritsort::Key> keys;
    QStringList unranked;
    for (const TScheda &r : m_records) {
        keys.push_back(meritsort::Key::of(r.text(F::Punteggio)));
        unranked.append(lines::meritLineWithoutRank(r.text(F::Concorrente), r.text(F::Responsabile),
                                                    r.text(F::Note), r.text(F::Punteggio)));
    }
    QStringList expected;
    qint64 rank = 0;
    for (const qsizetype i : meritsort::rankingOrder(keys)) {
        QString line = unranked[i];
        lines::setRank(line, ++rank);
        expected.append(line);
    }
    const ranking::Loaded loaded = ranking::loadMerit(m_path);
    QVERIFY(loaded.complete);
    QCOMPARE(loaded.lines.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(loaded.lines.at(i), expected[i]);
    // Every ranking option off is the same ranking.
    QCOMPARE(ranking::loadMerit(m_path, RankingOptions(), QDate(2026, 12, 10)).lines.toList(), expected);
}

void TestLinePaths::alphabeticalRanking()
{
    QStringList expected;
    for (const TScheda &r : m_records) {
        if (!text::trimmed(r.text(F::Punteggio)).isEmpty())
            expected.append(lines::candidateLine(r));
    }
    text::sortLines(expected);
    const ranking::Loaded loaded = ranking::loadAlphabetical(m_path);
    QCOMPARE(ranking::loadAlphabetical(m_path, RankingOptions()).lines.toList(), expected);
    QCOMPARE(loaded.lines.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(loaded.lines.at(i), expected[i]);
}

void TestLinePaths::eligibleAndSearch()
{
    const SearchFilters filters(
        {QStringLiteral("rossi"), QString(), QStringLiteral("roma"), QString(), QString(), QString()});
    const auto check = [&](const candidatelist::List &list, auto accepts) {
        // The lines with their record numbers, sorted stably as strings.
        std::vector<std::pair<QString, qint64>> expected;
        for (qsizetype i = 0; i < qsizetype(m_records.size()); ++i) {
            if (accepts(m_records[size_t(i)]))
                expected.emplace_back(lines::candidateLine(m_records[size_t(i)]), i + 1);
        }
        std::stable_sort(expected.begin(), expected.end(),
                         [](const auto &a, const auto &b) { return text::sortedLess(a.first, b.first); });
        QCOMPARE(list.lines.size(), qsizetype(expected.size()));
        QCOMPARE(list.numbers.size(), qsizetype(expected.size()));
        for (qsizetype i = 0; i < list.lines.size(); ++i) {
            QCOMPARE(list.lines.at(i), expected[size_t(i)].first);
            QCOMPARE(list.numbers[i], expected[size_t(i)].second);
        }
    };
    check(candidatelist::eligible(m_path),
          [](const TScheda &r) { return r.flagText() != TScheda::eligibleNo(); });
    const candidatelist::List found = candidatelist::search(m_path, filters);
    QVERIFY(found.lines.size() > 10);
    check(found, [&](const TScheda &r) { return filters.accepts(r); });
}

void TestLinePaths::find()
{
    // The find over stored lines selects what the find over strings selects,
    // through a run of searches that go on from the selection and wrap round.
    const ranking::Loaded loaded = ranking::loadMerit(m_path);
    const QStringList strings = loaded.lines.toList();
    QString rememberedTable;
    QString rememberedStrings;
    qsizetype selectedTable = -1;
    qsizetype selectedStrings = -1;
    for (const QString typed :
         {"rossi", "rossi", "ROSSI", "€uro", "€uro", "àlvaro", "  C.F. RSS", "zz-none", "1 "}) {
        const auto a = listfind::find(loaded.lines, selectedTable, typed, rememberedTable);
        const auto b = listfind::find(strings, selectedStrings, typed, rememberedStrings);
        QCOMPARE(a.found, b.found);
        QCOMPARE(a.selected, b.selected);
        selectedTable = a.selected;
        selectedStrings = b.selected;
    }
}

void TestLinePaths::exportGrid()
{
    ExportGridModel grid;
    grid.fill(m_path);
    QCOMPARE(grid.rowCount(), int(m_records.size()));
    const F fields[] = {F::Concorrente, F::Responsabile, F::Telefono,  F::Email,
                        F::Punteggio,   F::Note,         F::Completato};
    std::vector<std::array<QString, 8>> cells(m_records.size());
    for (size_t i = 0; i < m_records.size(); ++i) {
        cells[i][0] = QString::number(i + 1);
        for (int c = 1; c < 8; ++c)
            cells[i][size_t(c)] = text::trimmed(m_records[i].text(fields[c - 1]));
    }
    // An edit counts in the file as the grid shows it, untrimmed on screen.
    QVERIFY(grid.setData(grid.index(3, 1), QStringLiteral("  Nuovo & <nome> ")));
    cells[3][1] = QStringLiteral("  Nuovo & <nome> ");
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int c = 0; c < 8; ++c)
            QCOMPARE(grid.cell(row, c), cells[size_t(row)][size_t(c)]);
    }
    const QByteArray expected =
        spreadsheet::document(qsizetype(cells.size()), [&](qsizetype row, int column) {
            return cells[size_t(row)][size_t(column + 1)];
        });
    QVERIFY(grid.spreadsheet() == expected);
}

SINTAREL_TEST_MAIN(TestLinePaths)
#include "tst_linepaths.moc"
