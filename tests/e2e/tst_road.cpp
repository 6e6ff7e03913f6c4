// The typical road, in one go over the real application object with the fakes:
// log in, create a session, store five candidates, search and correct one, print
// its sheet, export, rank, print the rankings and log out.
#include "access/Password.h"
#include "archive/ApriArchivio.h"
#include "archive/CreaArchivio.h"
#include "archive/sessionfile.h"
#include "common/ImageButton.h"
#include "common/cp1252.h"
#include "editor/Torneo.h"
#include "export/ExpTorneo.h"
#include "lists/CandidateListView.h"
#include "lists/TrovaPagina.h"
#include "printouts/SheetWindow.h"
#include "rankings/ApriClassifica.h"
#include "rankings/LineList.h"
#include "rankings/RankingWindow.h"
#include "shell/Avvio.h"
#include "support/testapp.h"
#include "tools/Calcolatrice_Scientifica.h"
#include "tools/Calendario.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

using F = TScheda::Field;
using Kind = Messages::Kind;

namespace
{

struct Candidate {
    QString name, code, place, score; // score "calc:27,5+30" is worked out on the calculator
    QDate date;
    bool eligible;
};

void click(QAbstractButton *b)
{
    QVERIFY(b);
    QVERIFY(b->isEnabled());
    b->click();
}

ImageButton *key(QWidget *calculator, const QString &accessibleName)
{
    for (ImageButton *b : calculator->findChildren<ImageButton *>())
        if (b->accessibleName() == accessibleName)
            return b;
    qWarning("no calculator key named %s", qPrintable(accessibleName));
    return nullptr;
}

} // namespace

class TestRoad : public QObject
{
    Q_OBJECT
private slots:
    void typicalRoad();
};

void TestRoad::typicalRoad()
{
    TestApp t;
    t->start();

    // Log in.
    typeText(t->frmPassword()->txtPassword, QStringLiteral("pomodorigialli"));
    QTest::keyClick(t->frmPassword()->txtPassword, Qt::Key_Return);
    QCOMPARE(t.visibleWindow(), t->frmAvvio());

    // Create the session.
    click(t->frmAvvio()->btnCreazione);
    TfrmCreaArchivio *crea = t->frmCreaArchivio();
    auto *txtFile = getChild<QLineEdit>(crea, QStringLiteral("txtFile"));
    typeText(txtFile, QStringLiteral("Concorso giugno"));
    click(getChild<ImageButton>(crea, QStringLiteral("btnApplica")));
    QCOMPARE(t.messages().take().size(), 1); // created
    QCOMPARE(t.visibleWindow(), t->frmAvvio());
    const QString sessionPath = t.path(QStringLiteral("Concorso giugno.vai"));
    QCOMPARE(QFileInfo(sessionPath).size(), 0);

    // Open it.
    click(t->frmAvvio()->btnApertura);
    TfrmApriArchivio *apri = t->frmApriArchivio();
    QCOMPARE(apri->lstFiles->count(), 1);
    apri->lstFiles->setCurrentRow(0);
    click(apri->btnApri);
    TfrmTorneo *e = t->frmTorneo();
    QCOMPARE(t.visibleWindow(), e);
    QCOMPARE(e->lblNome->text(), QStringLiteral("Concorso giugno"));

    // Store five candidates: dates from the picker, scores typed or from the calculator.
    const QList<Candidate> candidates = {
        {"Verdi Anna", "VRDNNA90A41H501X", "Roma", "28,5", QDate(2026, 6, 10), true},
        {"Bianchi Luca", "BNCLCU88B12F205Y", "Milano", "calc", QDate(2026, 6, 11), false},
        {"Esposito Ciro", "SPSCRI85C13F839Z", "Napoli", "19", QDate(2026, 6, 11), true},
        {"Rossi Maria", "RSSMRA92D54L219W", "Torino", "24,75", QDate(2026, 6, 12), false},
        {"Neri Paolo", "NREPLA91E15A944V", "Bologna", "21,5", QDate(2026, 6, 12), false},
    };
    for (const Candidate &c : candidates) {
        click(e->cmdNuovo);
        typeText(e->txtConcorrente, c.name);
        typeText(e->txtResponsabile, c.code.toLower()); // upper-cased as typed
        typeText(e->txtTelefono, c.place);
        whenModal([&](QWidget *w) {
            auto *picker = qobject_cast<TfrmCalendario *>(w);
            QVERIFY(picker);
            picker->calAppuntamenti->setSelectedDate(c.date);
            click(picker->btnImportaData);
        });
        QTest::keyClick(e->txtEmail, Qt::Key_A); // any key opens the picker
        QCOMPARE(e->txtEmail->text(), c.date.toString(QStringLiteral("dd/MM/yyyy")));
        e->txtGare->setPlainText(QStringLiteral("Prova scritta e colloquio di ") + c.name);
        if (c.score == QLatin1String("calc")) {
            whenModal([&](QWidget *w) {
                QVERIFY(qobject_cast<TfrmCalcolatrice_Scientifica *>(w));
                for (const char *k : {"C", "2", "7", ",", "5", "+", "3", "0", "="})
                    click(key(w, QString::fromLatin1(k)));
                click(getChild<QPushButton>(w, QStringLiteral("btnImporta")));
            });
            click(e->btnCalcolatrice);
            QCOMPARE(e->txtPunteggio->text(), QStringLiteral("57,5"));
        } else {
            e->txtPunteggio->setFocus();
            e->txtPunteggio->clear();
            typeText(e->txtPunteggio, c.score);
        }
        e->chkCompletato->setChecked(c.eligible);
        click(e->cmdSalva);
        QCOMPARE(t.messages().take().size(), 1); // stored
    }
    QCOMPARE(QFileInfo(sessionPath).size(), 5 * TScheda::kSize);

    // Search by provenance and recall Rossi Maria, then correct her score.
    whenModal([&](QWidget *w) {
        auto *search = qobject_cast<TfrmTrovaPagina *>(w);
        QVERIFY(search);
        typeText(search->txtTelefono, QStringLiteral("torino"));
        click(search->btnCerca);
        QCOMPARE(search->lstRecords->count(), 1);
        search->lstRecords->selectRow(0);
        const QRect r = search->lstRecords->visualRect(search->lstRecords->model()->index(0, 0));
        QTest::mouseClick(search->lstRecords->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(search->lstRecords->viewport(), Qt::LeftButton, {}, r.center());
    });
    click(e->cmdTrova);
    QCOMPARE(e->txtConcorrente->text(), QStringLiteral("Rossi Maria"));
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("4"));
    e->txtPunteggio->setFocus();
    e->txtPunteggio->clear();
    typeText(e->txtPunteggio, QStringLiteral("29"));
    click(e->cmdSalva);
    t.messages().take();
    // The correction is in the session's change log, after the five new records.
    const QStringList log =
        QString::fromUtf8(t.readFile(QStringLiteral("Concorso giugno.log"))).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(log.last().endsWith(QStringLiteral("\t4\tPunteggio totale\t24,75\t29,00")),
             qPrintable(log.last()));
    QCOMPARE(log.filter(QStringLiteral("\tCandidato\t(nuova scheda)\t")).size(), 5);

    // Her sheet, printed.
    whenModal([&](QWidget *w) { click(getChild<QPushButton>(w, QStringLiteral("btnStampa"))); });
    click(e->cmdStampa);
    QCOMPARE(t.print().printed().size(), 1);
    QTemporaryDir pdfs;
    const QString sheetPdf = pdfs.filePath(QStringLiteral("scheda.pdf"));
    QVERIFY(FakePrintService::renderPdf(t.print().printed().last(), sheetPdf));
    const QString sheetText = FakePrintService::pdfText(sheetPdf);
    QVERIFY2(sheetText.contains(QStringLiteral("Rossi Maria")), qPrintable(sheetText));
    QVERIFY2(sheetText.contains(QStringLiteral("29,00")), qPrintable(sheetText));

    // Export: yes to writing the file, no to opening it.
    t.messages().answer(true);
    t.messages().answer(false);
    whenModal([&](QWidget *w) {
        auto *exp = qobject_cast<TfrmExpTorneo *>(w);
        QVERIFY(exp);
        click(exp->cmdEsporta);
        click(exp->cmdEsci);
    });
    click(e->cmdExcel);
    QCOMPARE(t.messages().take().size(), 2);
    const QByteArray xls = t.readFile(QStringLiteral("Sessione_Esame.xls"));
    QVERIFY(!xls.contains('\n'));
    for (const Candidate &c : candidates)
        QVERIFY(xls.contains(cp1252::encode(c.name)));
    QVERIFY(xls.contains(">29,00<"));
    QVERIFY(xls.contains(">57,50<"));
    QVERIFY(xls.contains(QByteArray(">S\xec<")));
    QVERIFY(t.shell().opened.isEmpty());

    // Back to the start screen and the rankings.
    click(e->cmdEsci);
    QCOMPARE(t.visibleWindow(), t->frmAvvio());
    click(t->frmAvvio()->btnClassifiche);
    TfrmApriClassifica *sel = t->frmApriClassifica();
    sel->lstFiles->setCurrentRow(0);

    QStringList meritLines;
    t.messages().answer(true); // print the merit ranking
    whenModal([&](QWidget *w) {
        auto *ranking = qobject_cast<RankingWindow *>(w);
        QVERIFY(ranking);
        meritLines = ranking->lstRecords->lines();
        click(ranking->btnStampa);
        click(ranking->btnEsci);
    });
    click(sel->btnExcel);
    QCOMPARE(meritLines.size(), 5);
    const QStringList order = {"Bianchi Luca", "Rossi Maria", "Verdi Anna", "Neri Paolo", "Esposito Ciro"};
    for (int i = 0; i < 5; ++i)
        QVERIFY2(meritLines[i].contains(order[i]) &&
                     meritLines[i].trimmed().startsWith(QString::number(i + 1)),
                 qPrintable(meritLines[i]));

    t.messages().answer(true); // print the alphabetical ranking
    whenModal([&](QWidget *w) {
        auto *ranking = qobject_cast<RankingWindow *>(w);
        QVERIFY(ranking);
        click(ranking->btnStampa);
        click(ranking->btnEsci);
    });
    click(sel->btnApri);
    t.messages().take();
    QCOMPARE(t.print().printed().size(), 3);

    // The printed rankings, read back from PDF.
    const QString meritPdf = pdfs.filePath(QStringLiteral("merito.pdf"));
    const QString alphaPdf = pdfs.filePath(QStringLiteral("alfabetica.pdf"));
    QVERIFY(FakePrintService::renderPdf(t.print().printed()[1], meritPdf));
    QVERIFY(FakePrintService::renderPdf(t.print().printed()[2], alphaPdf));
    const QString merit = FakePrintService::pdfText(meritPdf);
    const QString alpha = FakePrintService::pdfText(alphaPdf);
    QVERIFY2(merit.indexOf(QStringLiteral("Bianchi Luca")) < merit.indexOf(QStringLiteral("Esposito Ciro")),
             qPrintable(merit));
    QVERIFY(merit.contains(QStringLiteral("TOTALE CANDIDATI:           5")));
    QVERIFY(merit.contains(QStringLiteral("Stampa eseguita in data 09/12/2026")));
    QVERIFY2(alpha.indexOf(QStringLiteral("Bianchi Luca")) < alpha.indexOf(QStringLiteral("Esposito Ciro")) &&
                 alpha.indexOf(QStringLiteral("Neri Paolo")) < alpha.indexOf(QStringLiteral("Verdi Anna")),
             qPrintable(alpha));

    // The session file holds the five candidates with the correction in place.
    QStringList stored;
    SessionFile::forEach(sessionPath, [&](qint64, const TScheda &r) {
        stored << r.text(F::Concorrente) + u'|' + r.text(F::Responsabile) + u'|' + r.text(F::Punteggio) +
                      u'|' + r.flagText();
    });
    QCOMPARE(stored,
             QStringList({"Verdi Anna|VRDNNA90A41H501X|28,50|Sì", "Bianchi Luca|BNCLCU88B12F205Y|57,50|No",
                          "Esposito Ciro|SPSCRI85C13F839Z|19,00|Sì", "Rossi Maria|RSSMRA92D54L219W|29,00|No",
                          "Neri Paolo|NREPLA91E15A944V|21,50|No"}));

    // Log out through the exit icon.
    click(sel->btnAnnulla);
    click(t->frmAvvio()->imgEsci);
    QVERIFY(t->quitRequested());
    QVERIFY(t.messages().problems().isEmpty());
}

SINTAREL_TEST_MAIN(TestRoad)
#include "tst_road.moc"
