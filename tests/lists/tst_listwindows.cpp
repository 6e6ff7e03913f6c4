#include "archive/sessionfile.h"
#include "common/ImageButton.h"
#include "editor/Torneo.h"
#include "lists/CandidateListView.h"
#include "lists/ListActions.h"
#include "lists/Segnalati.h"
#include "lists/TrovaPagina.h"
#include "support/faultyaccess.h"
#include "support/testapp.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using F = TScheda::Field;
using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;

namespace
{

const QString kEmpty = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

struct Row {
    QString name, place, notes, score;
    int flag; // 1 = "Sì", 0 = "No", -1 = empty
};

void writeSession(TestApp &t, const QString &name, const QList<Row> &rows)
{
    SessionFile file(t.path(name + QStringLiteral(".vai")));
    for (const Row &r : rows) {
        TScheda s = TScheda::blank();
        s.setText(F::Concorrente, r.name);
        s.setText(F::Responsabile, QStringLiteral("RSSMRA80A01H501U"));
        s.setText(F::Telefono, r.place);
        s.setText(F::Email, QStringLiteral("12/06/2024"));
        s.setText(F::Gare, QStringLiteral("Prova scritta"));
        s.setText(F::Note, r.notes);
        s.setText(F::Punteggio, r.score);
        if (r.flag >= 0)
            s.setEligible(r.flag == 1);
        file.append(s);
    }
    file.close();
}

void openSession(TestApp &t, const QString &name)
{
    t->frmTorneo()->lblFile->setText(t.path(name + QStringLiteral(".vai")));
    t->frmTorneo()->lblNome->setText(name);
    t->frmTorneo()->showWindow();
}

// Runs a window modally as the editor does, acting on it from inside.
template <typename Window> void drive(TestApp &t, std::function<void(Window *)> act)
{
    bool acted = false;
    whenModal([&](QWidget *w) {
        auto *window = qobject_cast<Window *>(w);
        QVERIFY(window);
        act(window);
        acted = true;
        if (window->isVisible())
            window->close();
    });
    if constexpr (std::is_same_v<Window, TfrmTrovaPagina>)
        lists::openSearch(t.app(), t->frmTorneo());
    else
        lists::openEligible(t.app(), t->frmTorneo());
    QVERIFY(acted);
}

void doubleClickRow(CandidateListView *view, int row)
{
    view->selectRow(row);
    const QRect r = view->visualRect(view->model()->index(row, 0));
    // A real double click: press and release, then the double-click event.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace

class TestListWindows : public QObject
{
    Q_OBJECT
private slots:
    void searchRecallAndSaveOverwrites();
    void identicalLinesRecallTheOneClicked();
    void searchFailureKeepsFilters();
    void findOnEmptyListAndEmptyPrint();
    void eligibleListRules();
    void recallFromBlankAreaAndEnter();
    void findFieldShowsThirtyCharacters();
};

void TestListWindows::searchRecallAndSaveOverwrites()
{
    TestApp t;
    writeSession(t, QStringLiteral("Giugno"),
                 {{"VERDI ANNA", "Roma", "", "20,00", 1},
                  {"ROSSI MARIO", "Milano", "riserva", "18,00", 0},
                  {"Di Rossi Anna", "Milano", "", "25,00", 0},
                  {"RÒSSI LUCA", "Milano", "riserva", "19,00", 0}});
    openSession(t, QStringLiteral("Giugno"));
    drive<TfrmTrovaPagina>(t, [&](TfrmTrovaPagina *w) {
        QCOMPARE(w->lblMemory->text(), QStringLiteral("torneo"));
        QVERIFY(w->panAvvio->isVisible());
        typeText(w->txtTelefono, QStringLiteral("milano"));
        typeText(w->txtNote, QStringLiteral("RISERVA"));
        QTest::mouseClick(w->btnCerca, Qt::LeftButton);
        QCOMPARE(w->lblConta->text(), QStringLiteral("2"));
        QVERIFY(w->panContainer->isVisible());
        QVERIFY(!w->panAvvio->isVisible());
        QCOMPARE(w->lstRecords->count(), 2);
        QCOMPARE(w->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
        QVERIFY(w->lstRecords->lines()[0].startsWith(QStringLiteral("ROSSI MARIO ")));
        doubleClickRow(w->lstRecords, 0);
        QVERIFY(!w->isVisible());
    });
    TfrmTorneo *editor = t->frmTorneo();
    QCOMPARE(editor->txtConcorrente->text(), QStringLiteral("ROSSI MARIO"));
    QCOMPARE(editor->lblPosizione->text(), QStringLiteral("2"));
    QVERIFY(!editor->chkCompletato->isChecked());
    // A correction saved from here overwrites record 2.
    editor->txtPunteggio->setText(QStringLiteral("27,00"));
    editor->cmdSalva->click();
    t.messages().take();
    SessionFile file(t.path(QStringLiteral("Giugno.vai")));
    QCOMPARE(file.count(), 4);
    QCOMPARE(file.read(1).text(F::Punteggio), QStringLiteral("27,00"));
    QCOMPARE(file.read(1).text(F::Concorrente), QStringLiteral("ROSSI MARIO"));
}

void TestListWindows::identicalLinesRecallTheOneClicked()
{
    TestApp t;
    // Same line, different exam details: the line does not show them.
    writeSession(t, QStringLiteral("Doppi"),
                 {{"BIANCHI", "Roma", "", "10,00", 0}, {"BIANCHI", "Bari", "", "10,00", 0}});
    {
        SessionFile file(t.path(QStringLiteral("Doppi.vai")));
        TScheda second = file.read(1);
        second.setText(F::Gare, QStringLiteral("seconda"));
        second.setText(F::Telefono, QStringLiteral("Roma"));
        file.overwrite(1, second);
        file.close();
    }
    openSession(t, QStringLiteral("Doppi"));
    drive<TfrmTrovaPagina>(t, [&](TfrmTrovaPagina *w) {
        QTest::mouseClick(w->btnCerca, Qt::LeftButton); // no filter: everything
        QCOMPARE(w->lstRecords->count(), 2);
        QCOMPARE(w->lstRecords->lines()[0], w->lstRecords->lines()[1]);
        doubleClickRow(w->lstRecords, 0);
    });
    QCOMPARE(t->frmTorneo()->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(t->frmTorneo()->txtGare->toPlainText(), QStringLiteral("Prova scritta"));
}

void TestListWindows::searchFailureKeepsFilters()
{
    TestApp t;
    writeSession(t, QStringLiteral("Guasto"), {{"A", "", "", "1,00", 1}});
    openSession(t, QStringLiteral("Guasto"));
    FaultyAccess access;
    access.refuseLock = true;
    ScopedAccess scoped(&access);
    drive<TfrmTrovaPagina>(t, [&](TfrmTrovaPagina *w) {
        QTest::mouseClick(w->btnCerca, Qt::LeftButton);
        QVERIFY(w->panAvvio->isVisible());
        QVERIFY(!w->panContainer->isVisible());
    });
    QCOMPARE(t.messages().take(),
             QList<Shown>(
                 {{Kind::Plain, QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio."
                                               "\n\r\n\rAccertarsi di possedere i privilegi di scrittura "
                                               "nella cartella di installazione del programma.")}}));
}

void TestListWindows::findOnEmptyListAndEmptyPrint()
{
    TestApp t;
    writeSession(t, QStringLiteral("Vuota"), {});
    openSession(t, QStringLiteral("Vuota"));
    drive<TfrmTrovaPagina>(t, [&](TfrmTrovaPagina *w) {
        QTest::mouseClick(w->btnCerca, Qt::LeftButton);
        QCOMPARE(w->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));
        QTest::mouseClick(w->btnTrova, Qt::LeftButton);
        QTest::mouseClick(w->btnStampa, Qt::LeftButton);
    });
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Plain, kEmpty}}));
    QCOMPARE(t.print().printed().size(), 1);
    const PageModel pages = t.print().printed().first().pages;
    QCOMPARE(pages.textsOf(QStringLiteral("txtTitolo")), QStringList({"Riepilogo candidati esaminati"}));
    QCOMPARE(pages.textsOf(QStringLiteral("txtPagina")), QStringList({"Stampa eseguita in data 09/12/2026"}));
}

void TestListWindows::eligibleListRules()
{
    TestApp t;
    writeSession(t, QStringLiteral("Idonei"),
                 {{"ZETA", "", "", "1,00", 1},
                  {"ALFA", "", "", "2,00", 0},
                  {"beta", "", "", "3,00", -1},
                  {"Gamma", "", "", "4,00", 1}});
    openSession(t, QStringLiteral("Idonei"));
    // An unsaved change in the editor does not show in the list; the recall
    // drops it (answered No to the question on unsaved edits).
    t->frmTorneo()->chkCompletato->setChecked(true);
    t.messages().answerQuestion(Messages::Answer::No);
    drive<TfrmSegnalati>(t, [&](TfrmSegnalati *w) {
        QStringList names;
        for (const QString &l : w->lstRecords->lines())
            names << l.left(34).trimmed();
        QCOMPARE(names, QStringList({"beta", "Gamma", "ZETA"}));
        typeText(w->txtTrova, QStringLiteral("zeta"));
        QTest::mouseClick(w->btnTrova, Qt::LeftButton);
        QCOMPARE(w->lstRecords->selectedRow(), 2);
        QTest::mouseClick(w->btnStampa, Qt::LeftButton);
        doubleClickRow(w->lstRecords, 1);
    });
    QCOMPARE(t->frmTorneo()->txtConcorrente->text(), QStringLiteral("Gamma"));
    QCOMPARE(t->frmTorneo()->lblPosizione->text(), QStringLiteral("4"));
    QCOMPARE(t.print().printed().size(), 1);
    QCOMPARE(t.print().printed().first().pages.textsOf(QStringLiteral("txtTitolo")),
             QStringList({"Elenco candidati idonei Idonei"}));
}

// A double-click below the lines recalls the selected line, or closes the
// window when none is selected; Enter on the list does the same.
void TestListWindows::recallFromBlankAreaAndEnter()
{
    TestApp t;
    writeSession(t, QStringLiteral("Giugno"),
                 {{"VERDI ANNA", "Roma", "", "20,00", 1}, {"ROSSI MARIO", "Milano", "", "18,00", 1}});
    openSession(t, QStringLiteral("Giugno"));
    TfrmTorneo *editor = t->frmTorneo();
    const auto blank = [](CandidateListView *view) {
        return QPoint(view->viewport()->width() / 2, view->viewport()->height() - 5);
    };
    drive<TfrmSegnalati>(t, [&](TfrmSegnalati *w) {
        QCOMPARE(w->lstRecords->count(), 2);
        QVERIFY(!w->lstRecords->indexAt(blank(w->lstRecords)).isValid());
        w->lstRecords->selectRow(1);
        QTest::mouseDClick(w->lstRecords->viewport(), Qt::LeftButton, {}, blank(w->lstRecords));
        QVERIFY(!w->isVisible());
    });
    QCOMPARE(editor->lblPosizione->text(), QStringLiteral("1")); // the eligible list is sorted by name
    QCOMPARE(editor->txtConcorrente->text(), QStringLiteral("VERDI ANNA"));
    editor->showBlankRecord();
    drive<TfrmSegnalati>(t, [&](TfrmSegnalati *w) {
        QCOMPARE(w->lstRecords->selectedRow(), -1);
        QTest::mouseDClick(w->lstRecords->viewport(), Qt::LeftButton, {}, blank(w->lstRecords));
        QVERIFY(!w->isVisible());
    });
    QCOMPARE(editor->lblPosizione->text(), QString());
    drive<TfrmTrovaPagina>(t, [&](TfrmTrovaPagina *w) {
        w->btnCerca->click();
        w->lstRecords->selectRow(0); // ROSSI MARIO, record 2
        w->lstRecords->setFocus();
        QTest::keyClick(w->lstRecords, Qt::Key_Return);
        QVERIFY(!w->isVisible());
    });
    QCOMPARE(editor->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(editor->txtConcorrente->text(), QStringLiteral("ROSSI MARIO"));
}

// The find field shows at least thirty characters.
void TestListWindows::findFieldShowsThirtyCharacters()
{
    TestApp t;
    TfrmTrovaPagina search(t.app(), t->frmTorneo());
    TfrmSegnalati eligible(t.app(), t->frmTorneo());
    for (QLineEdit *field : {search.txtTrova, eligible.txtTrova}) {
        const QString thirty(30, u'W');
        // The widest capital, with room for the frame.
        QVERIFY2(field->width() >= QFontMetrics(field->font()).horizontalAdvance(thirty) + 8,
                 qPrintable(QString::number(field->width())));
    }
}

SINTAREL_TEST_MAIN(TestListWindows)
#include "tst_listwindows.moc"
