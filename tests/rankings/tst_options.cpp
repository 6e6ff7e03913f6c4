#include "archive/record.h"
#include "common/ImageButton.h"
#include "printouts/listprintout.h"
#include "rankings/ApriClassifica.h"
#include "rankings/ExpClassifica.h"
#include "rankings/LineList.h"
#include "rankings/rankinglines.h"
#include "rankings/rankingload.h"
#include "rankings/rankingoptions.h"
#include "rankings/rankingpdf.h"
#include "support/fakeprint.h"
#include "support/testapp.h"
#include "tools/fiscalcode.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;
using F = TScheda::Field;

// The ranking options: precedence of the younger, ex aequo, the publication
// printout, their file, and "Salva PDF".
class TestRankingOptions : public QObject
{
    Q_OBJECT
private slots:
    void meritLines_data();
    void meritLines();
    void equalBirthDatesShare();
    void publicationLines();
    void optionsFile();
    void selectionWindowKeepsOptions();
    void meritWindowNotice();
    void pdfOfPublication();
    void pdfFailureLeavesNothing();
};

namespace
{
struct Candidate {
    QString name;
    QString score;
    QString fiscalCode;
    QString date = QStringLiteral("15/06/2024");
};

// A fiscal code of the given birth (with its check letter); "" for none.
QString codeBorn(int yy, char month, int day)
{
    const QString fifteen = QStringLiteral("RSSMRA%1%2%3H501")
                                .arg(yy, 2, 10, QLatin1Char('0'))
                                .arg(QLatin1Char(month))
                                .arg(day, 2, 10, QLatin1Char('0'));
    return fifteen + fiscalcode::expectedCheckCharacter(fifteen);
}

QByteArray sessionBytes(const QList<Candidate> &candidates)
{
    QByteArray bytes;
    for (const Candidate &c : candidates) {
        TScheda r = TScheda::blank();
        r.setText(F::Concorrente, c.name);
        r.setText(F::Responsabile, c.fiscalCode);
        r.setText(F::Email, c.date);
        r.setText(F::Punteggio, c.score);
        r.setText(F::Note, QStringLiteral("nota"));
        r.setEligible(true);
        bytes.append(r.bytes(), TScheda::kSize);
    }
    return bytes;
}

// Three tied at 90 born 1985, 1990 and 2001, one of them without a fiscal code;
// a tie at 80 where one code has a wrong check letter; one alone at 70.
QList<Candidate> tiedSession()
{
    return {
        {"ULTIMO", "70", codeBorn(95, 'A', 1)},
        {"ANZIANO", "90", codeBorn(85, 'C', 10)},
        {"SENZA CODICE", "90,00", ""},
        {"GIOVANE", "90", codeBorn(1, 'A', 60)}, // a woman born 20/01/2001
        {"CODICE ERRATO", "80", "RSSMRA90E05H501A"},
        {"MEDIO", "90.0", codeBorn(90, 'L', 15)},
        {"DI MAGGIO", "80", codeBorn(90, 'E', 5)},
    };
}

QStringList namesOf(const LineTable &lines)
{
    QStringList names;
    for (const QString &line : lines)
        names.append(line.mid(7, 35).trimmed());
    return names;
}

QList<qint64> ranksOf(const LineTable &lines)
{
    QList<qint64> ranks;
    for (const QString &line : lines)
        ranks.append(line.left(5).trimmed().toLongLong());
    return ranks;
}

RankingOptions options(bool younger, bool exAequo, bool publication = false)
{
    RankingOptions o;
    o.youngerFirst = younger;
    o.exAequo = exAequo;
    o.publication = publication;
    return o;
}

const QDate kToday(2026, 12, 10);
} // namespace

void TestRankingOptions::meritLines_data()
{
    QTest::addColumn<bool>("younger");
    QTest::addColumn<bool>("exAequo");
    QTest::addColumn<QStringList>("names"); // empty: the order with every option off
    QTest::addColumn<QList<qint64>>("ranks");
    QTest::addColumn<int>("withoutBirth");
    const QStringList youngFirst = {"GIOVANE",   "MEDIO",         "ANZIANO", "SENZA CODICE",
                                    "DI MAGGIO", "CODICE ERRATO", "ULTIMO"};
    QTest::newRow("all off") << false << false << QStringList() << QList<qint64>{1, 2, 3, 4, 5, 6, 7} << 0;
    QTest::newRow("younger first") << true << false << youngFirst << QList<qint64>{1, 2, 3, 4, 5, 6, 7} << 2;
    QTest::newRow("ex aequo") << false << true << QStringList() << QList<qint64>{1, 1, 1, 1, 5, 5, 7} << 0;
    // Different birth dates break every tie here; one unknown per score stays alone.
    QTest::newRow("both") << true << true << youngFirst << QList<qint64>{1, 2, 3, 4, 5, 6, 7} << 2;
}

void TestRankingOptions::meritLines()
{
    QFETCH(bool, younger);
    QFETCH(bool, exAequo);
    QFETCH(QStringList, names);
    QFETCH(QList<qint64>, ranks);
    QFETCH(int, withoutBirth);
    TestApp t;
    t.writeFile(QStringLiteral("s.vai"), sessionBytes(tiedSession()));
    const QString path = t.path(QStringLiteral("s.vai"));
    const ranking::Loaded plain = ranking::loadMerit(path);
    const ranking::Loaded loaded = ranking::loadMerit(path, options(younger, exAequo), kToday);
    QVERIFY(loaded.complete);
    QCOMPARE(loaded.tiedWithoutBirthDate, qsizetype(withoutBirth));
    QCOMPARE(namesOf(loaded.lines), names.isEmpty() ? namesOf(plain.lines) : names);
    QCOMPARE(ranksOf(loaded.lines), ranks);
    if (!younger && !exAequo)
        QCOMPARE(loaded.lines.toList(), plain.lines.toList());
    // The line layout stays: each line is the merit line with its shared or own position.
    const QList<Candidate> session = tiedSession();
    for (qsizetype i = 0; i < loaded.lines.size(); ++i) {
        const QString name = namesOf(loaded.lines)[i];
        const auto c =
            std::find_if(session.begin(), session.end(), [&](const Candidate &x) { return x.name == name; });
        QCOMPARE(loaded.lines.at(i),
                 lines::meritLine(ranks[i], c->name, c->fiscalCode, QStringLiteral("nota"), c->score));
    }
    QVERIFY(loaded.published.isEmpty());
}

void TestRankingOptions::equalBirthDatesShare()
{
    // Equal birth dates keep the order of every option off and, ex aequo, share
    // a position; so do the candidates without a birth date among themselves.
    TestApp t;
    const QString born = codeBorn(90, 'E', 5);
    t.writeFile(QStringLiteral("s.vai"), sessionBytes({{"NESSUNO UNO", "60", ""},
                                                       {"GEMELLO UNO", "60", born},
                                                       {"NESSUNO DUE", "60", "X"},
                                                       {"GEMELLO DUE", "60", born},
                                                       {"PRIMO", "61", ""}}));
    const QString path = t.path(QStringLiteral("s.vai"));
    const QStringList plain = namesOf(ranking::loadMerit(path).lines);
    const ranking::Loaded loaded = ranking::loadMerit(path, options(true, true), kToday);
    const QStringList names = namesOf(loaded.lines);
    QCOMPARE(names.first(), QStringLiteral("PRIMO"));
    QCOMPARE(QSet<QString>(names.begin() + 1, names.begin() + 3),
             (QSet<QString>{"GEMELLO UNO", "GEMELLO DUE"}));
    const auto before = [](const QStringList &l, const char *a, const char *b) {
        return l.indexOf(QLatin1String(a)) < l.indexOf(QLatin1String(b));
    };
    QCOMPARE(before(names, "GEMELLO UNO", "GEMELLO DUE"), before(plain, "GEMELLO UNO", "GEMELLO DUE"));
    QCOMPARE(before(names, "NESSUNO UNO", "NESSUNO DUE"), before(plain, "NESSUNO UNO", "NESSUNO DUE"));
    QCOMPARE(ranksOf(loaded.lines), (QList<qint64>{1, 2, 2, 4, 4}));
    QCOMPARE(loaded.tiedWithoutBirthDate, qsizetype(2));
    // Without the precedence every score of 60 shares position 2.
    QCOMPARE(ranksOf(ranking::loadMerit(path, options(false, true), kToday).lines),
             (QList<qint64>{1, 2, 2, 2, 2}));
}

void TestRankingOptions::publicationLines()
{
    TestApp t;
    t.writeFile(QStringLiteral("s.vai"), sessionBytes(tiedSession()));
    const QString path = t.path(QStringLiteral("s.vai"));
    const ranking::Loaded merit = ranking::loadMerit(path, options(true, false, true), kToday);
    QCOMPARE(merit.published.size(), merit.lines.size());
    QCOMPARE(merit.published.at(0), QStringLiteral("1      ") + lines::fitted(QStringLiteral("GIOVANE"), 35) +
                                        QStringLiteral("  Punti: 90"));
    QCOMPARE(merit.published.at(6), QStringLiteral("7      ") + lines::fitted(QStringLiteral("ULTIMO"), 35) +
                                        QStringLiteral("  Punti: 70"));
    const ranking::Loaded alphabetical = ranking::loadAlphabetical(path, options(false, false, true));
    QStringList expected;
    for (const QString &line : alphabetical.lines)
        expected.append(lines::fitted(line.left(34), 35) + QStringLiteral("  Punti: ") +
                        line.mid(line.lastIndexOf(QStringLiteral("Punti: ")) + 7));
    QCOMPARE(alphabetical.published.toList(), expected);
    QCOMPARE(alphabetical.lines.toList(), ranking::loadAlphabetical(path).lines.toList());
}

void TestRankingOptions::optionsFile()
{
    QTemporaryDir dir;
    QCOMPARE(RankingOptions::load(dir.path()), RankingOptions()); // no file: all off
    for (const RankingOptions &o : {options(true, false, false), options(false, true, true),
                                    options(true, true, true), options(false, false, false)}) {
        QVERIFY(o.save(dir.path()));
        QCOMPARE(RankingOptions::load(dir.path()), o);
    }
    QFile ini(QDir(dir.path()).filePath(QStringLiteral("Sintarel.ini")));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("[Graduatorie]"));
    ini.close();
    // Unreadable: a folder of that name, or a file of rubbish.
    QVERIFY(ini.remove());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Sintarel.ini")));
    QCOMPARE(RankingOptions::load(dir.path()), RankingOptions());
    QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("Sintarel.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("\xff\xfe[Graduatorie\n=\x01\x02\nExAequo");
    ini.close();
    QCOMPARE(RankingOptions::load(dir.path()), RankingOptions());
}

void TestRankingOptions::selectionWindowKeepsOptions()
{
    TestApp t;
    t.writeFile(QStringLiteral("Prova.vai"), sessionBytes(tiedSession()));
    TfrmApriClassifica *w = t->frmApriClassifica();
    w->showWindow();
    for (QCheckBox *box : {w->chkPiuGiovane, w->chkExAequo, w->chkPubblicazione}) {
        QVERIFY(!box->isChecked());
        QCOMPARE(box->accessibleName(), box->text());
        QVERIFY(box->focusPolicy() & Qt::TabFocus);
    }
    QCOMPARE(w->chkPiuGiovane->text(),
             QStringLiteral("A parità di punteggio precede il candidato più giovane"));
    QCOMPARE(w->chkExAequo->text(), QStringLiteral("Stessa posizione a parità di punteggio (ex aequo)"));
    QCOMPARE(w->chkPubblicazione->text(),
             QStringLiteral("Stampa per la pubblicazione: solo posizione, candidato e punteggio"));
    w->chkExAequo->click();
    QCOMPARE(RankingOptions::load(t->programFolder()), options(false, true));
    // The file is read again each time the window shows.
    w->hide();
    QVERIFY(options(true, false, true).save(t->programFolder()));
    w->showWindow();
    QVERIFY(w->chkPiuGiovane->isChecked());
    QVERIFY(!w->chkExAequo->isChecked());
    QVERIFY(w->chkPubblicazione->isChecked());

    // The merit window opened now ranks the younger first.
    w->lstFiles->setCurrentRow(0);
    QStringList seen;
    whenModal([&](QWidget *modal) {
        seen = getChild<LineListView>(modal, QStringLiteral("lstRecords"))->lines();
        modal->close();
    });
    w->btnExcel->click();
    QCOMPARE(seen.size(), 7);
    QVERIFY2(seen.first().startsWith(QStringLiteral("1      GIOVANE ")), qPrintable(seen.first()));
}

void TestRankingOptions::meritWindowNotice()
{
    TestApp t;
    t.writeFile(QStringLiteral("s.vai"), sessionBytes(tiedSession()));
    t->frmApriClassifica()->lblFile->setText(t.path(QStringLiteral("s.vai")));
    for (const bool younger : {false, true}) {
        TfrmExpClassifica w(t.app(), t->frmApriClassifica());
        w.setOptions(options(younger, false));
        w.show();
        QCOMPARE(w.lblAvviso->isVisible(), younger);
        if (younger)
            QCOMPARE(w.lblAvviso->text(),
                     QStringLiteral(
                         "Attenzione: 2 candidati a pari punteggio non hanno un codice fiscale valido da "
                         "cui ricavare la data di nascita."));
        w.close();
    }
}

void TestRankingOptions::pdfOfPublication()
{
    TestApp t;
    t.clock().date = QDate(2026, 12, 10);
    t.writeFile(QStringLiteral("s.vai"), sessionBytes(tiedSession()));
    t->frmApriClassifica()->lblFile->setText(t.path(QStringLiteral("s.vai")));
    TfrmExpClassifica w(t.app(), t->frmApriClassifica());
    w.titClassifica->setText(QStringLiteral("Graduatoria di merito Prova"));
    w.setOptions(options(true, true, true));
    w.show();
    QCOMPARE(w.btnSalvaPdf->text(), QStringLiteral("Salva PDF"));

    QTemporaryDir out;
    const QString path = QDir(out.path()).filePath(QStringLiteral("pubblicazione.pdf"));
    ChooseFile chooser(path);
    w.btnSalvaPdf->click();
    QCOMPARE(chooser.requests.size(), 1);
    QVERIFY(chooser.requests.first().save);
    QCOMPARE(
        chooser.requests.first().path,
        QDir(filedialogs::documentsFolder()).filePath(QStringLiteral("Graduatoria di merito Prova.pdf")));
    QCOMPARE(t.messages().take(),
             (QList<Shown>{{Kind::Information, QStringLiteral("Il file è stato salvato: ") + path}}));
    const QString text = FakePrintService::pdfText(path);
    QVERIFY2(text.contains(QStringLiteral("Graduatoria di merito Prova")), qPrintable(text));
    QVERIFY2(QRegularExpression(QStringLiteral("1\\s+GIOVANE\\s+Punti: 90")).match(text).hasMatch(),
             qPrintable(text));
    QVERIFY2(QRegularExpression(QStringLiteral("7\\s+ULTIMO\\s+Punti: 70")).match(text).hasMatch(),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("TOTALE CANDIDATI:")));
    QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 10/12/2026")));
    QVERIFY2(!text.contains(QStringLiteral("RSSMRA")) && !text.contains(QStringLiteral("C.F.")) &&
                 !text.contains(QStringLiteral("nota")),
             qPrintable(text));
    // The screen keeps the full lines.
    QVERIFY(w.lstRecords->lines().first().contains(QStringLiteral("C.F. RSSMRA")));
}

void TestRankingOptions::pdfFailureLeavesNothing()
{
    QTemporaryDir dir;
    const PageModel pages = listprint::layoutList(QStringLiteral("Titolo"), {QStringLiteral("riga")}, kToday);
    QString error;
    // A folder that does not exist.
    QVERIFY(!rankingpdf::save(pages, QDir(dir.path()).filePath(QStringLiteral("manca/x.pdf")), QString(),
                              &error));
    QVERIFY(!error.isEmpty());
    // A folder that cannot be written: no file of the name, nothing temporary left.
    const QString locked = QDir(dir.path()).filePath(QStringLiteral("chiusa"));
    QVERIFY(QDir().mkpath(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool asRoot = QFileInfo(locked).isWritable();
    if (!asRoot) {
        error.clear();
        QVERIFY(!rankingpdf::save(pages, QDir(locked).filePath(QStringLiteral("x.pdf")), QString(), &error));
        QVERIFY(!error.isEmpty());
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(QDir(locked).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    // A good path gets the whole file and nothing else.
    QVERIFY(rankingpdf::save(pages, QDir(locked).filePath(QStringLiteral("x.pdf")), QString(), &error));
    QCOMPARE(QDir(locked).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"x.pdf"});
    QVERIFY(FakePrintService::pdfText(QDir(locked).filePath(QStringLiteral("x.pdf")))
                .contains(QStringLiteral("riga")));
}

SINTAREL_TEST_MAIN(TestRankingOptions)
#include "tst_options.moc"
