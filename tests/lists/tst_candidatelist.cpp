#include "archive/sessionfile.h"
#include "lists/candidatelist.h"
#include "rankings/rankinglines.h"
#include "support/faultyaccess.h"
#include "support/testapp.h"

#include <QFile>
#include <QTemporaryDir>

using F = TScheda::Field;

namespace
{

struct Candidate {
    const char *name;
    const char *flag; // raw flag text; nullptr = eligible "Sì" bytes
    const char *notes = "";
};

TScheda make(const Candidate &c)
{
    TScheda r = TScheda::blank();
    r.setText(F::Concorrente, QString::fromUtf8(c.name));
    r.setText(F::Responsabile, QStringLiteral("RSSMRA80A01H501U"));
    r.setText(F::Email, QStringLiteral("12/06/2024"));
    r.setText(F::Note, QString::fromUtf8(c.notes));
    r.setText(F::Punteggio, QStringLiteral("28,50"));
    if (c.flag && qstrcmp(c.flag, "No+blank") == 0)
        std::memcpy(r.Completato, "No ", 3); // no NUL: the flag reads "No " and trims to "No"
    else if (c.flag)
        r.setText(F::Completato, QString::fromUtf8(c.flag));
    else
        r.setEligible(true);
    return r;
}

void writeSession(const QString &path, const QList<Candidate> &candidates)
{
    QFile::remove(path);
    SessionFile file(path);
    for (const Candidate &c : candidates)
        file.append(make(c));
    file.close();
}

QStringList names(const candidatelist::List &list)
{
    QStringList out;
    for (const QString &l : list.lines)
        out << l.left(34).trimmed();
    return out;
}

} // namespace

class TestCandidateList : public QObject
{
    Q_OBJECT
private slots:
    void searchSortsAndKeepsNumbers();
    void eligibleRule();
    void recallTakesTheLineItsOwnRecord();
    void recallFallsBackWhenFileChanged();
    void readFailureKeepsWhatWasRead();

private:
    QTemporaryDir m_dir;
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
};

void TestCandidateList::searchSortsAndKeepsNumbers()
{
    writeSession(path("s.vai"),
                 {{"verdi anna", "No"}, {"ROSSI MARIO", "No"}, {"Bianchi", "No"}, {"Rossi Ada", "No"}});
    const SearchFilters all({QString(), QString(), QString(), QString(), QString(), QString()});
    const auto list = candidatelist::search(path("s.vai"), all);
    QVERIFY(list.complete);
    QCOMPARE(names(list), QStringList({"Bianchi", "Rossi Ada", "ROSSI MARIO", "verdi anna"}));
    QCOMPARE(list.numbers, QList<qint64>({3, 4, 2, 1}));
    QCOMPARE(list.lines[0], lines::candidateLine(make({"Bianchi", "No"})));

    const SearchFilters rossi(
        {QStringLiteral("rossi"), QString(), QString(), QString(), QString(), QString()});
    const auto found = candidatelist::search(path("s.vai"), rossi);
    QCOMPARE(names(found), QStringList({"Rossi Ada", "ROSSI MARIO"}));
    QCOMPARE(found.numbers, QList<qint64>({4, 2}));
}

void TestCandidateList::eligibleRule()
{
    writeSession(path("e.vai"),
                 {{"Uno", nullptr}, {"Due", "No"}, {"Tre", ""}, {"Quattro", "No+blank"}, {"Cinque", "no"}});
    const auto list = candidatelist::eligible(path("e.vai"));
    // Everything but an exact (trimmed) "No": the empty flag and "no" are listed.
    QCOMPARE(names(list), QStringList({"Cinque", "Tre", "Uno"}));
    QCOMPARE(list.numbers, QList<qint64>({5, 3, 1}));

    const auto none = candidatelist::eligible(path("nessuno.vai"));
    QVERIFY(none.complete);
    QVERIFY(none.lines.isEmpty());
    QVERIFY(QFile::exists(path("nessuno.vai"))); // created empty
}

void TestCandidateList::recallTakesTheLineItsOwnRecord()
{
    // Two records giving the same line: each line recalls its own record.
    writeSession(path("d.vai"), {{"Gemello", "No", "x"}, {"Altro", "No"}, {"Gemello", "No", "x"}});
    const auto list = candidatelist::eligible(path("d.vai")); // none: all "No"
    QVERIFY(list.lines.isEmpty());
    const SearchFilters all({QString(), QString(), QString(), QString(), QString(), QString()});
    const auto found = candidatelist::search(path("d.vai"), all);
    QCOMPARE(found.numbers, QList<qint64>({2, 1, 3}));
    QCOMPARE(found.lines[1], found.lines[2]);
    for (int i : {1, 2}) {
        const auto r = candidatelist::recall(path("d.vai"), found.numbers[i], found.lines[i]);
        QVERIFY(r);
        QCOMPARE(r->number, found.numbers[i]);
    }
}

void TestCandidateList::recallFallsBackWhenFileChanged()
{
    writeSession(path("c.vai"), {{"Primo", "No"}, {"Secondo", "No"}, {"Primo", "No"}, {"Terzo", "No"}});
    const QString line = lines::candidateLine(make({"Primo", "No"}));
    // Record 1 changed behind the list's back: the last record with the line wins.
    {
        SessionFile file(path("c.vai"));
        file.overwrite(0, make({"Cambiato", "No"}));
        file.close();
    }
    auto r = candidatelist::recall(path("c.vai"), 1, line);
    QVERIFY(r);
    QCOMPARE(r->number, 3);
    QCOMPARE(r->record.text(F::Concorrente), QStringLiteral("Primo"));
    // A number past the end (the file was replaced) falls back too; no match at all gives nothing.
    QCOMPARE(candidatelist::recall(path("c.vai"), 99, line)->number, 3);
    QVERIFY(!candidatelist::recall(path("c.vai"), 2, lines::candidateLine(make({"Nessuno", "No"}))));
}

void TestCandidateList::readFailureKeepsWhatWasRead()
{
    QList<Candidate> many;
    for (int i = 0; i < 300; ++i)
        many.append(Candidate{"Candidato", "No"});
    writeSession(path("f.vai"), many);
    FaultyAccess access;
    access.readLimit = 256 * TScheda::kSize + 10;
    ScopedAccess scoped(&access);
    const SearchFilters all({QString(), QString(), QString(), QString(), QString(), QString()});
    const auto list = candidatelist::search(path("f.vai"), all);
    QVERIFY(!list.complete);
    QCOMPARE(list.lines.size(), 256);
}

SINTAREL_TEST_MAIN(TestCandidateList)
#include "tst_candidatelist.moc"
