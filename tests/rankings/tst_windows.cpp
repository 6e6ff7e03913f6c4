#include "archive/record.h"
#include "common/ImageButton.h"
#include "rankings/ApriClassifica.h"
#include "rankings/Classifica.h"
#include "rankings/ExpClassifica.h"
#include "rankings/LineList.h"
#include "shell/Avvio.h"
#include "support/faultyaccess.h"
#include "support/testapp.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;
using F = TScheda::Field;

namespace
{
struct Candidate {
    QString name;
    QString score;
    QString fiscalCode = QStringLiteral("RSSMRA80A01H501U");
    QString notes;
    QString date = QStringLiteral("15/06/2024");
};

QByteArray sessionBytes(const QList<Candidate> &candidates)
{
    QByteArray bytes;
    for (const Candidate &c : candidates) {
        TScheda r = TScheda::blank();
        r.setText(F::Concorrente, c.name);
        r.setText(F::Responsabile, c.fiscalCode);
        r.setText(F::Email, c.date);
        r.setText(F::Punteggio, c.score);
        r.setText(F::Note, c.notes);
        r.setText(F::Gare, QStringLiteral("prova scritta"));
        r.setEligible(true);
        bytes.append(r.bytes(), TScheda::kSize);
    }
    return bytes;
}

// Names at the start of each line, after the rank field when there is one.
QStringList namesOf(const QStringList &lines, int from)
{
    QStringList names;
    for (const QString &line : lines)
        names.append(line.mid(from, 35).trimmed());
    return names;
}

const QString kMeritTitle = QStringLiteral("Graduatoria di merito Prova");
const QString kEmptyPrint =
    QStringLiteral("Operazione di stampa non applicabile: la graduatoria non contiene nessuna voce.");
const QString kEmptyFind = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
const QString kConfirm = QStringLiteral("Si vuole stampare la presente graduatoria?");

QList<Candidate> twelve()
{
    return {{"ROSSI MARIO", "87,50"}, {"BIANCHI LUCA", "90"},  {"VERDI ANNA", "100,00"},
            {"NERI PAOLO", "99,50"},  {"GIALLI ELSA", "9,75"}, {"BRUNO CARLA", "87.25"},
            {"ESPOSITO GINO", ""},    {"RICCI SARA", "0,50"},  {"MARINO LIA", "60,00"},
            {"GRECO UGO", "75,25"},   {"CONTI RITA", "n.v."},  {"DE LUCA PIA", "28,00"}};
}
} // namespace

class TestRankingWindows : public QObject
{
    Q_OBJECT
private slots:
    void selectionListsSessionsInOrder();
    void selectionWarnings_data();
    void selectionWarnings();
    void selectionOpensRankingWithHeading_data();
    void selectionOpensRankingWithHeading();
    void selectionClosesToStart();
    void helpButtons();
    void meritRanking();
    void meritTiesInFileOrder_data();
    void meritTiesInFileOrder();
    void emptySession_data();
    void emptySession();
    void printConfirmationAndJob_data();
    void printConfirmationAndJob();
    void alphabeticalRanking();
    void findWalksThroughMatches();
    void meritSearchSurvivesReopening();
    void alphabeticalSearchClearedOnOpening();
    void largeSessionIsAModelView();
    void loadFailuresAreSilent_data();
    void loadFailuresAreSilent();
};

void TestRankingWindows::selectionListsSessionsInOrder()
{
    TestApp t;
    TfrmApriClassifica *w = t->frmApriClassifica();
    w->showWindow();
    QCOMPARE(w->lstFiles->count(), 0);
    QCOMPARE(w->lblCreati->text(), QStringLiteral("Sono state create 0 sessioni."));
    QCOMPARE(w->windowTitle(), QStringLiteral(" Sintarel - Visualizzazione graduatorie"));
    w->hide();

    t.writeFile(QStringLiteral("PROVA2.vai"), QByteArray());
    t.writeFile(QStringLiteral("prova.vai"), QByteArray());
    t.writeFile(QStringLiteral("Altro.VAI"), QByteArray());
    t.writeFile(QStringLiteral("note.txt"), QByteArray());
    w->showWindow();
    QStringList entries;
    for (int i = 0; i < w->lstFiles->count(); ++i)
        entries << w->lstFiles->item(i)->text();
    QCOMPARE(entries, (QStringList{"Altro.VAI", "prova.vai", "PROVA2.vai"}));
    QCOMPARE(w->lblCreati->text(), QStringLiteral("Sono state create 3 sessioni."));
    QVERIFY(w->lblFile->text().isEmpty());
    w->hide();

    // Sessions deleted meanwhile: the count is refreshed, not kept.
    for (const QString &name : entries)
        QFile::remove(t.path(name));
    w->showWindow();
    QCOMPARE(w->lblCreati->text(), QStringLiteral("Sono state create 0 sessioni."));
}

void TestRankingWindows::selectionWarnings_data()
{
    QTest::addColumn<bool>("sessions");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("warning");
    const QString none = QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione.");
    const QString select =
        QStringLiteral("Attenzione: selezionare la sessione dall'elenco prima di premere il "
                       "pulsante per visualizzare la graduatoria corrispondente.");
    QTest::newRow("no sessions, merit") << false << "btnExcel" << none;
    QTest::newRow("no sessions, alphabetical") << false << "btnApri" << none;
    QTest::newRow("none selected, merit") << true << "btnExcel" << select;
    QTest::newRow("none selected, alphabetical") << true << "btnApri" << select;
}

void TestRankingWindows::selectionWarnings()
{
    QFETCH(bool, sessions);
    QFETCH(QString, button);
    QFETCH(QString, warning);
    TestApp t;
    if (sessions)
        t.writeFile(QStringLiteral("Prova.vai"), sessionBytes(twelve()));
    TfrmApriClassifica *w = t->frmApriClassifica();
    w->showWindow();
    getChild<ImageButton>(w, button)->click();
    QCOMPARE(t.messages().take(), (QList<Shown>{{Kind::Warning, warning}}));
    QVERIFY(w->lblFile->text().isEmpty());
}

void TestRankingWindows::selectionOpensRankingWithHeading_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("count");
    QTest::newRow("merit") << "btnExcel"
                           << "frmExpClassifica"
                           << " Sintarel - Graduatoria di merito"
                           << "Graduatoria di merito Prova" << 12;
    // Three candidates have no score.
    QTest::newRow("alphabetical") << "btnApri"
                                  << "frmClassifica"
                                  << " Sintarel - Graduatoria alfabetica"
                                  << "Graduatoria alfabetica Prova" << 11;
}

void TestRankingWindows::selectionOpensRankingWithHeading()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, heading);
    QFETCH(int, count);
    TestApp t;
    t.writeFile(QStringLiteral("Altra.vai"), QByteArray());
    t.writeFile(QStringLiteral("Prova.vai"), sessionBytes(twelve()));
    TfrmApriClassifica *w = t->frmApriClassifica();
    w->showWindow();
    w->lstFiles->setCurrentRow(1);

    QString seenName, seenCaption, seenHeading, seenCount;
    bool seenMaximised = false;
    whenModal([&](QWidget *modal) {
        seenName = modal->objectName();
        seenCaption = modal->windowTitle();
        seenMaximised = modal->windowState() & Qt::WindowMaximized;
        seenHeading = getChild<QLabel>(modal, QStringLiteral("titClassifica"))->text();
        seenCount = getChild<QLabel>(modal, QStringLiteral("lblTotConcorrenti"))->text();
        modal->close();
    });
    getChild<ImageButton>(w, button)->click();
    QCOMPARE(seenName, window);
    QCOMPARE(seenCaption, caption);
    QVERIFY(seenMaximised);
    QCOMPARE(seenHeading, heading);
    QCOMPARE(seenCount, QString::number(count));
    QCOMPARE(w->lblFile->text(), t.path(QStringLiteral("Prova.vai")));
    // The selection window stays, with the same entry selected; the ranking is gone.
    QVERIFY(w->isVisible());
    QCOMPARE(w->lstFiles->currentRow(), 1);
    QVERIFY(!w->findChild<RankingWindow *>());
    QVERIFY(t.messages().take().isEmpty());
}

void TestRankingWindows::selectionClosesToStart()
{
    TestApp t;
    t.writeFile(QStringLiteral("Prova.vai"), QByteArray());
    TfrmApriClassifica *w = t->frmApriClassifica();
    w->showWindow();
    w->lstFiles->setCurrentRow(0);
    w->btnAnnulla->click();
    QVERIFY(!w->isVisible());
    QVERIFY(t->frmAvvio()->isVisible());
}

void TestRankingWindows::helpButtons()
{
    TestApp t;
    t.writeFile(QStringLiteral("Prova.vai"), QByteArray());
    TfrmApriClassifica *w = t->frmApriClassifica();
    w->showWindow();
    QStringList topics;
    const auto closeHelp = [&](QWidget *modal) {
        if (modal->objectName() == QLatin1String("frmGuida"))
            topics << getChild<QLabel>(modal, QStringLiteral("lblTitolo"))->text();
        modal->close();
    };
    whenModal(closeHelp);
    w->imgGuida->click();

    w->lblFile->setText(t.path(QStringLiteral("Prova.vai")));
    TfrmExpClassifica merit(t.app(), w);
    merit.show();
    whenModal(closeHelp);
    merit.imgGuida->click();
    merit.close();
    QCOMPARE(topics, QStringList(2, QStringLiteral("Visualizzazione graduatorie")));
}

void TestRankingWindows::meritRanking()
{
    TestApp t;
    t.writeFile(QStringLiteral("Prova.vai"), sessionBytes(twelve()));
    t->frmApriClassifica()->lblFile->setText(QStringLiteral("  ") + t.path(QStringLiteral("Prova.vai")) +
                                             u' ');
    TfrmExpClassifica w(t.app(), t->frmApriClassifica());
    w.titClassifica->setText(kMeritTitle);
    w.show();
    const QStringList lines = w.lstRecords->lines();
    QCOMPARE(lines.size(), 12);
    QCOMPARE(w.lblTotConcorrenti->text(), QStringLiteral("12"));
    QCOMPARE(w.infIntervallo->text(), QStringLiteral("Totale candidati:"));
    // Highest first, by value whatever the decimals; unreadable and empty scores last.
    QCOMPARE(namesOf(lines, 7), (QStringList{"VERDI ANNA", "NERI PAOLO", "BIANCHI LUCA", "ROSSI MARIO",
                                             "BRUNO CARLA", "GRECO UGO", "MARINO LIA", "DE LUCA PIA",
                                             "GIALLI ELSA", "RICCI SARA", "CONTI RITA", "ESPOSITO GINO"}));
    for (int i = 0; i < 12; ++i)
        QCOMPARE(lines[i].left(5), QString::number(i + 1).leftJustified(5));
    QVERIFY(lines[0].endsWith(QStringLiteral("  Punti: 100,00")));
    QVERIFY(lines[11].endsWith(QStringLiteral("  Punti: ")));
    // Each line in Courier New 12 black, whatever the list's style.
    const QModelIndex first = w.lstRecords->model()->index(0, 0);
    QCOMPARE(first.data(Qt::FontRole).value<QFont>().family(), QStringLiteral("Courier New"));
    QCOMPARE(first.data(Qt::FontRole).value<QFont>().pointSizeF(), 12.0);
    QCOMPARE(first.data(Qt::SizeHintRole).toSize().width(), 1600);
    QVERIFY(w.lstRecords->uniformItemSizes());
    w.close();
    // Reading only: the file is unchanged.
    QCOMPARE(t.readFile(QStringLiteral("Prova.vai")), sessionBytes(twelve()));
}

void TestRankingWindows::meritTiesInFileOrder_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("two") << 2 << QStringList{"A", "B"};
    QTest::newRow("three") << 3 << QStringList{"A", "B", "C"};
    QTest::newRow("four") << 4 << QStringList{"B", "A", "D", "C"};
    QTest::newRow("five") << 5 << QStringList{"B", "A", "C", "E", "D"};
    QTest::newRow("six") << 6 << QStringList{"C", "B", "A", "F", "E", "D"};
}

void TestRankingWindows::meritTiesInFileOrder()
{
    QFETCH(int, count);
    QFETCH(QStringList, order);
    TestApp t;
    QList<Candidate> candidates;
    for (int i = 0; i < count; ++i)
        candidates.append({QString(QChar(char16_t(u'A' + i))), QStringLiteral("28,00")});
    t.writeFile(QStringLiteral("Pari.vai"), sessionBytes(candidates));
    t->frmApriClassifica()->lblFile->setText(t.path(QStringLiteral("Pari.vai")));
    TfrmExpClassifica w(t.app(), t->frmApriClassifica());
    w.show();
    QCOMPARE(namesOf(w.lstRecords->lines(), 7), order);
}

void TestRankingWindows::emptySession_data()
{
    QTest::addColumn<bool>("merit");
    QTest::addColumn<bool>("exists");
    QTest::newRow("merit, no records") << true << true;
    QTest::newRow("merit, missing file") << true << false;
    QTest::newRow("alphabetical, no records") << false << true;
    QTest::newRow("alphabetical, missing file") << false << false;
}

void TestRankingWindows::emptySession()
{
    QFETCH(bool, merit);
    QFETCH(bool, exists);
    TestApp t;
    if (exists)
        t.writeFile(QStringLiteral("Vuota.vai"), QByteArray());
    const QString path = t.path(QStringLiteral("Vuota.vai"));
    t->frmApriClassifica()->lblFile->setText(path);
    std::unique_ptr<RankingWindow> w;
    if (merit) {
        w = std::make_unique<TfrmExpClassifica>(t.app(), t->frmApriClassifica());
    } else {
        auto *a = new TfrmClassifica(t.app(), t->frmApriClassifica());
        a->lblFile->setText(path);
        w.reset(a);
    }
    w->show();
    QCOMPARE(w->lstRecords->count(), 0);
    QCOMPARE(w->lblTotConcorrenti->text(), QStringLiteral("0"));
    QVERIFY(QFile::exists(path)); // a missing file is created empty
    QCOMPARE(QFile(path).size(), 0);
    w->btnTrova->click();
    w->btnStampa->click();
    QCOMPARE(t.messages().take(), (QList<Shown>{{Kind::Plain, kEmptyFind}, {Kind::Warning, kEmptyPrint}}));
    QVERIFY(t.print().jobs.isEmpty());
    QCOMPARE(t.print().dialogsShown, 0);
}

void TestRankingWindows::printConfirmationAndJob_data()
{
    QTest::addColumn<bool>("merit");
    QTest::addColumn<bool>("yes");
    QTest::newRow("merit, no") << true << false;
    QTest::newRow("merit, yes") << true << true;
    QTest::newRow("alphabetical, no") << false << false;
    QTest::newRow("alphabetical, yes") << false << true;
}

void TestRankingWindows::printConfirmationAndJob()
{
    QFETCH(bool, merit);
    QFETCH(bool, yes);
    TestApp t;
    t.clock().date = QDate(2024, 6, 15);
    t.writeFile(QStringLiteral("Prova.vai"), sessionBytes(twelve()));
    const QString path = t.path(QStringLiteral("Prova.vai"));
    t->frmApriClassifica()->lblFile->setText(path);
    std::unique_ptr<RankingWindow> w;
    if (merit) {
        w = std::make_unique<TfrmExpClassifica>(t.app(), t->frmApriClassifica());
        w->titClassifica->setText(QStringLiteral(" Graduatoria di merito Prova "));
    } else {
        auto *a = new TfrmClassifica(t.app(), t->frmApriClassifica());
        a->lblFile->setText(path);
        a->titClassifica->setText(QStringLiteral("Graduatoria alfabetica Prova "));
        w.reset(a);
    }
    w->show();
    t.messages().answer(yes);
    w->btnStampa->click();
    QCOMPARE(t.messages().take(), (QList<Shown>{{Kind::Confirmation, kConfirm}}));
    if (!yes) {
        QCOMPARE(t.print().dialogsShown, 0);
        return;
    }
    QCOMPARE(t.print().printed().size(), 1);
    const FakePrintService::Job job = t.print().printed().first();
    QCOMPARE(job.title,
             merit ? QStringLiteral("Graduatoria di merito") : QStringLiteral("Graduatoria alfabetica"));
    QCOMPARE(job.pages.textsOf(QStringLiteral("txtTitolo")),
             QStringList{merit ? QStringLiteral("Graduatoria di merito Prova")
                               : QStringLiteral("Graduatoria alfabetica Prova")});
    const int n = merit ? 12 : 11;
    QStringList expected = w->lstRecords->lines();
    expected << QStringLiteral("- - - - - - - - - - - - - - - -")
             << QStringLiteral("TOTALE CANDIDATI:           ") + QString::number(n);
    QCOMPARE(job.pages.textsOf(QStringLiteral("txtRiepilogo")), expected);
    QCOMPARE(job.pages.textsOf(QStringLiteral("txtPagina")),
             QStringList{QStringLiteral("Stampa eseguita in data 15/06/2024")});
}

void TestRankingWindows::alphabeticalRanking()
{
    TestApp t;
    QList<Candidate> candidates{{"ROSSINI", "10"},    {"rossi", "20"},       {"D'ANGELO", "1"},
                                {"\u00c8RCOLE", "5"}, {"SENZA PUNTI", "  "}, {"DA SILVA", "2"},
                                {"D ANGELO", "3"},    {"ZETA", "4"},         {"VUOTO", ""}};
    candidates[1].date = QStringLiteral("15/06/2024 ore 9");
    t.writeFile(QStringLiteral("Prova.vai"), sessionBytes(candidates));
    TfrmClassifica w(t.app(), t->frmApriClassifica());
    w.lblFile->setText(t.path(QStringLiteral("Prova.vai")) + QStringLiteral("  "));
    w.show();
    const QStringList lines = w.lstRecords->lines();
    QCOMPARE(
        namesOf(lines, 0).replaceInStrings(QRegularExpression(QStringLiteral("\\s+C\\.F\\..*")), QString()),
        (QStringList{"D ANGELO", "D'ANGELO", "DA SILVA", "rossi", "ROSSINI", "ZETA", "\u00c8RCOLE"}));
    QCOMPARE(w.lblTotConcorrenti->text(), QStringLiteral("7"));
    // The exam date shows its first 10 characters.
    QVERIFY(lines[3].contains(QStringLiteral("  Data: 15/06/2024  Note: ")));
    QVERIFY(lines[3].endsWith(QStringLiteral("  Punti: 20")));
    w.close();
    QCOMPARE(w.lstRecords->count(), 0); // closing empties the list
}

void TestRankingWindows::findWalksThroughMatches()
{
    TestApp t;
    t.writeFile(QStringLiteral("Prova.vai"),
                sessionBytes({{"ROSSI A", "90"}, {"BIANCHI", "80"}, {"ROSSI B", "70"}, {"VERDI", "60"}}));
    t->frmApriClassifica()->lblFile->setText(t.path(QStringLiteral("Prova.vai")));
    TfrmExpClassifica::searchText().clear();
    TfrmExpClassifica w(t.app(), t->frmApriClassifica());
    w.show();
    QCOMPARE(w.lstRecords->selectedRow(), -1);
    typeText(w.txtTrova, QStringLiteral("rossi"));
    QList<qsizetype> rows;
    for (int i = 0; i < 3; ++i) {
        w.btnTrova->click();
        rows << w.lstRecords->selectedRow();
    }
    QCOMPARE(rows, (QList<qsizetype>{0, 2, 0}));
    QCOMPARE(TfrmExpClassifica::searchText(), QStringLiteral("rossi"));
    w.txtTrova->setText(QStringLiteral("verdi"));
    w.btnTrova->click();
    QCOMPARE(w.lstRecords->selectedRow(), 3);
    w.txtTrova->setText(QStringLiteral("neri"));
    w.btnTrova->click();
    QCOMPARE(w.lstRecords->selectedRow(), 3); // not found: the selection stays, no message
    QVERIFY(t.messages().take().isEmpty());
}

void TestRankingWindows::meritSearchSurvivesReopening()
{
    TestApp t;
    t.writeFile(QStringLiteral("Prova.vai"),
                sessionBytes({{"ROSSI A", "90"}, {"BIANCHI", "80"}, {"ROSSI B", "70"}}));
    t->frmApriClassifica()->lblFile->setText(t.path(QStringLiteral("Prova.vai")));
    TfrmExpClassifica::searchText().clear();
    {
        TfrmExpClassifica w(t.app(), t->frmApriClassifica());
        w.show();
        w.txtTrova->setText(QStringLiteral("ROSSI"));
        w.btnTrova->click();
        QCOMPARE(w.lstRecords->selectedRow(), 0);
        w.close();
    }
    TfrmExpClassifica again(t.app(), t->frmApriClassifica());
    again.show();
    QVERIFY(again.txtTrova->text().isEmpty());
    again.txtTrova->setText(QStringLiteral("rossi"));
    again.btnTrova->click();
    // The remembered text continues from the first line and tests it last.
    QCOMPARE(again.lstRecords->selectedRow(), 2);
}

void TestRankingWindows::alphabeticalSearchClearedOnOpening()
{
    TestApp t;
    t.writeFile(QStringLiteral("Prova.vai"),
                sessionBytes({{"ROSSI A", "90"}, {"BIANCHI", "80"}, {"ROSSI B", "70"}}));
    const QString path = t.path(QStringLiteral("Prova.vai"));
    {
        TfrmClassifica w(t.app(), t->frmApriClassifica());
        w.lblFile->setText(path);
        w.show();
        w.txtTrova->setText(QStringLiteral("rossi"));
        w.btnTrova->click();
        QCOMPARE(w.lstRecords->selectedRow(), 1); // BIANCHI, ROSSI A, ROSSI B
        w.close();
    }
    TfrmClassifica again(t.app(), t->frmApriClassifica());
    again.lblFile->setText(path);
    again.txtTrova->setText(QStringLiteral("stale"));
    again.show();
    QVERIFY(again.txtTrova->text().isEmpty());
    QVERIFY(TfrmClassifica::searchText().isEmpty());
    again.txtTrova->setText(QStringLiteral("rossi"));
    again.btnTrova->click();
    QCOMPARE(again.lstRecords->selectedRow(), 1); // from the top again
}

void TestRankingWindows::largeSessionIsAModelView()
{
    TestApp t;
    QList<Candidate> many;
    for (int i = 0; i < 3000; ++i)
        many.append({QStringLiteral("CANDIDATO %1").arg(i, 5, 10, QLatin1Char('0')),
                     QStringLiteral("%1,%2").arg(i % 100).arg(i % 7 * 10, 2, 10, QLatin1Char('0'))});
    t.writeFile(QStringLiteral("Grande.vai"), sessionBytes(many));
    t->frmApriClassifica()->lblFile->setText(t.path(QStringLiteral("Grande.vai")));
    TfrmExpClassifica w(t.app(), t->frmApriClassifica());
    w.show();
    QCOMPARE(w.lstRecords->model()->rowCount(), 3000);
    QCOMPARE(w.lblTotConcorrenti->text(), QStringLiteral("3000"));
    QVERIFY(w.lstRecords->lines().first().endsWith(QStringLiteral("Punti: 99,60")));
    QVERIFY(w.lstRecords->lines().last().endsWith(QStringLiteral("Punti: 0,00")));
    QCOMPARE(w.lstRecords->lines().last().left(5), QStringLiteral("3000 "));
}

void TestRankingWindows::loadFailuresAreSilent_data()
{
    QTest::addColumn<bool>("merit");
    QTest::addColumn<bool>("refuseOpen");
    QTest::addColumn<int>("lines");
    // Reads go in blocks of 256 records: the second block fails.
    QTest::newRow("merit, read fails part way") << true << false << 0;
    QTest::newRow("merit, open refused") << true << true << 0;
    QTest::newRow("alphabetical, read fails part way") << false << false << 256;
    QTest::newRow("alphabetical, open refused") << false << true << 0;
}

void TestRankingWindows::loadFailuresAreSilent()
{
    QFETCH(bool, merit);
    QFETCH(bool, refuseOpen);
    QFETCH(int, lines);
    TestApp t;
    QList<Candidate> many;
    for (int i = 0; i < 300; ++i)
        many.append(
            {QStringLiteral("CANDIDATO %1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("50,00")});
    t.writeFile(QStringLiteral("Prova.vai"), sessionBytes(many));
    const QString path = t.path(QStringLiteral("Prova.vai"));
    t->frmApriClassifica()->lblFile->setText(path);
    FaultyAccess access;
    access.refuseOpen = refuseOpen;
    access.readLimit = 256 * TScheda::kSize + 100;
    ScopedAccess scoped(&access);
    std::unique_ptr<RankingWindow> w;
    if (merit) {
        w = std::make_unique<TfrmExpClassifica>(t.app(), t->frmApriClassifica());
    } else {
        auto *a = new TfrmClassifica(t.app(), t->frmApriClassifica());
        a->lblFile->setText(path);
        w.reset(a);
    }
    w->show();
    QCOMPARE(w->lstRecords->count(), qsizetype(lines));
    QCOMPARE(w->lblTotConcorrenti->text(), QStringLiteral("0"));
    QVERIFY(t.messages().take().isEmpty());
    QCOMPARE(t.readFile(QStringLiteral("Prova.vai")).size(), 300 * TScheda::kSize);
}

SINTAREL_TEST_MAIN(TestRankingWindows)
#include "tst_windows.moc"
