// Nothing lost by accident: the editor asks before it drops unsaved edits, copies
// a session before the first write of a run, and logs every changed field.
#include "archive/backup.h"
#include "archive/changelog.h"
#include "archive/record.h"
#include "archive/sessionfile.h"
#include "common/ImageButton.h"
#include "editor/Torneo.h"
#include "lists/CandidateListView.h"
#include "lists/Segnalati.h"
#include "lists/TrovaPagina.h"
#include "shell/Avvio.h"
#include "support/testapp.h"
#include "tools/Calcolatrice_Scientifica.h"
#include "tools/Calendario.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

using F = TScheda::Field;
using Kind = Messages::Kind;
using Answer = Messages::Answer;
using Shown = FakeMessages::Shown;

namespace
{

const QString kUnsaved =
    QStringLiteral("La scheda corrente contiene modifiche non salvate. Salvarle prima di proseguire?");
const QString kChanged =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kMissingName =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del candidato.");
const QString kBackupFailed = QStringLiteral("Attenzione: copia di sicurezza non riuscita.");
const QString kLogFailed = QStringLiteral("Attenzione: registrazione delle modifiche non riuscita.");

TScheda candidate(int i)
{
    TScheda r = TScheda::blank();
    r.setText(F::Concorrente, QStringLiteral("C%1").arg(i));
    r.setText(F::Responsabile, QStringLiteral("CF%1").arg(i));
    r.setText(F::Telefono, QStringLiteral("Roma"));
    r.setText(F::Email, QStringLiteral("01/02/2025"));
    r.setText(F::Gare, QStringLiteral("Prova scritta"));
    r.setText(F::Punteggio, QStringLiteral("10,00"));
    r.setEligible(true); // every candidate is in the eligible list
    return r;
}

QByteArray session(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes.append(candidate(i).bytes(), TScheda::kSize);
    return bytes;
}

TfrmTorneo *openEditor(TestApp &t, const QString &file)
{
    TfrmTorneo *e = t->frmTorneo();
    e->lblFile->setText(t.path(file));
    e->lblNome->setText(QFileInfo(file).completeBaseName());
    e->showWindow();
    return e;
}

void doubleClickLine(CandidateListView *view, const QString &start)
{
    int row = 0;
    while (row < view->count() && !view->lines().at(row).startsWith(start))
        ++row;
    QVERIFY(row < view->count());
    view->selectRow(row);
    const QRect r = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, r.center());
}

ImageButton *calculatorKey(QWidget *calculator, const QString &name)
{
    for (ImageButton *b : calculator->findChildren<ImageButton *>())
        if (b->accessibleName() == name)
            return b;
    qWarning("no calculator key named %s", qPrintable(name));
    return nullptr;
}

// Makes the edit of a row, as a user would.
void edit(TfrmTorneo *e, const QString &how)
{
    if (how == "typed") {
        e->txtNote->setFocus();
        typeText(e->txtNote, QStringLiteral("corretto"));
    } else if (how == "date picked") {
        whenModal([](QWidget *w) {
            auto *picker = qobject_cast<TfrmCalendario *>(w);
            QVERIFY(picker);
            picker->calAppuntamenti->setSelectedDate(QDate(2026, 7, 15));
            picker->btnImportaData->click();
        });
        QTest::keyClick(e->txtEmail, Qt::Key_A);
    } else if (how == "score imported") {
        whenModal([](QWidget *w) {
            QVERIFY(qobject_cast<TfrmCalcolatrice_Scientifica *>(w));
            for (const char *k : {"C", "2", "7", ",", "5", "+", "3", "0", "="})
                calculatorKey(w, QString::fromLatin1(k))->click();
            getChild<QPushButton>(w, QStringLiteral("btnImporta"))->click();
        });
        e->btnCalcolatrice->click();
    }
}

// Record 2 as Save stores it after the edit of a row.
TScheda edited(const QString &how)
{
    TScheda r = candidate(2);
    if (how == "typed")
        r.setText(F::Note, QStringLiteral("corretto"));
    else if (how == "date picked")
        r.setText(F::Email, QStringLiteral("15/07/2026"));
    else if (how == "score imported")
        r.setText(F::Punteggio, QStringLiteral("57,50"));
    return r;
}

QString editedField(TfrmTorneo *e, const QString &how)
{
    if (how == "typed")
        return e->txtNote->text();
    if (how == "date picked")
        return e->txtEmail->text();
    return e->txtPunteggio->text();
}

QStringList logLines(TestApp &t, const QString &session)
{
    QString text = QString::fromUtf8(t.readFile(session + QStringLiteral(".log")));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

QStringList backupsOf(TestApp &t, const QString &session)
{
    return backup::copiesOf(t.path(QStringLiteral("Backup")), session);
}

} // namespace

class TestSafety : public QObject
{
    Q_OBJECT
private slots:
    void unsavedEdits_data();
    void unsavedEdits();
    void saveRefusedStays();
    void backupOnFirstWrite();
    void backupFailureStillSaves();
    void logLinesOfSaves();
    void logFailureKeepsTheSave();
};

// ---------------------------------------------------------------------------
// Every command that replaces the fields, from stored record 2 of 3.

void TestSafety::unsavedEdits_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("how");   // the edit made before the command
    QTest::addColumn<int>("answer");    // -1 when nothing may be asked
    QTest::addColumn<QString>("after"); // record number shown once the command went on ("" = blank)
    const QList<QPair<QString, QString>> commands = {
        {"First", "1"},         {"Previous", "1"},        {"Next", "3"},  {"Last", "3"}, {"New", ""},
        {"Recall search", "3"}, {"Recall eligible", "3"}, {"Close", "-"},
    };
    for (const auto &c : commands) {
        QTest::addRow("%s, untouched", qPrintable(c.first)) << c.first << "untouched" << -1 << c.second;
        for (const char *how : {"typed", "date picked", "score imported"})
            for (Answer a : {Answer::Yes, Answer::No, Answer::Cancel})
                QTest::addRow("%s, %s, %s", qPrintable(c.first), how,
                              a == Answer::Yes  ? "Sì"
                              : a == Answer::No ? "No"
                                                : "Annulla")
                    << c.first << QString::fromLatin1(how) << int(a) << c.second;
    }
}

void TestSafety::unsavedEdits()
{
    QFETCH(QString, command);
    QFETCH(QString, how);
    QFETCH(int, answer);
    QFETCH(QString, after);
    TestApp t;
    const QByteArray before = session(3);
    t.writeFile(QStringLiteral("S.vai"), before);
    TfrmTorneo *e = openEditor(t, QStringLiteral("S.vai"));
    e->cmdPrimo->click();
    e->cmdAvanti->click();
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("2"));
    edit(e, how);
    QCOMPARE(t.messages().take(), QList<Shown>());
    QCOMPARE(e->hasUnsavedChanges(), how != "untouched");
    const bool asked = answer >= 0;
    if (asked)
        t.messages().answerQuestion(Answer(answer));
    const bool goesOn = !asked || Answer(answer) != Answer::Cancel;

    bool listOpen = false;
    if (command.startsWith(QLatin1String("Recall"))) {
        const bool search = command == "Recall search";
        whenModal([&](QWidget *w) {
            CandidateListView *list = nullptr;
            if (auto *s = qobject_cast<TfrmTrovaPagina *>(w)) {
                s->btnCerca->click();
                list = s->lstRecords;
            } else {
                list = qobject_cast<TfrmSegnalati *>(w)->lstRecords;
            }
            doubleClickLine(list, QStringLiteral("C3 "));
            listOpen = w->isVisible();
            w->close();
        });
        (search ? e->cmdTrova : e->cmdNonPagati)->click();
    } else if (command == "Close") {
        // The path the window manager's close takes.
        e->windowHandle()->close();
    } else {
        ImageButton *b = command == "First"      ? e->cmdPrimo
                         : command == "Previous" ? e->cmdIndietro
                         : command == "Next"     ? e->cmdAvanti
                         : command == "Last"     ? e->cmdUltimo
                                                 : e->cmdNuovo;
        b->click();
    }

    QList<Shown> expected;
    if (asked)
        expected.append({Kind::Question, kUnsaved});
    if (asked && Answer(answer) == Answer::Yes)
        expected.append({Kind::Information, kChanged});
    QCOMPARE(t.messages().take(), expected);
    QVERIFY2(t.messages().problems().isEmpty(), qPrintable(t.messages().problems().join(u';')));

    // The file: record 2 stored with the edit only after Sì.
    QByteArray file = before;
    if (asked && Answer(answer) == Answer::Yes) {
        const TScheda r = edited(how);
        file.replace(TScheda::kSize, TScheda::kSize, QByteArray(r.bytes(), TScheda::kSize));
    }
    QCOMPARE(t.readFile(QStringLiteral("S.vai")), file);

    // What is shown: the command's record, or the edited record 2 still there.
    if (command == "Close") {
        QCOMPARE(e->isVisible(), !goesOn);
        QCOMPARE(t->frmAvvio()->isVisible(), goesOn);
    }
    if (command.startsWith(QLatin1String("Recall")))
        QCOMPARE(listOpen, !goesOn); // Annulla stays in the list
    if (!goesOn) {
        QCOMPARE(e->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(editedField(e, how), how == "typed"         ? QStringLiteral("corretto")
                                      : how == "date picked" ? QStringLiteral("15/07/2026")
                                                             : QStringLiteral("57,5"));
        QVERIFY(e->hasUnsavedChanges());
    } else if (command != "Close") {
        QCOMPARE(e->lblPosizione->text(), after);
        QCOMPARE(e->txtConcorrente->text(), after.isEmpty() ? QString() : QStringLiteral("C") + after);
        QVERIFY(!e->hasUnsavedChanges());
    }
}

void TestSafety::saveRefusedStays()
{
    // Sì runs Save with its checks: without a name nothing is stored and nothing moves.
    TestApp t;
    const QByteArray before = session(3);
    t.writeFile(QStringLiteral("S.vai"), before);
    TfrmTorneo *e = openEditor(t, QStringLiteral("S.vai"));
    e->cmdUltimo->click();
    e->txtConcorrente->clear();
    for (ImageButton *b : {e->cmdIndietro, e->cmdNuovo}) {
        t.messages().answerQuestion(Answer::Yes);
        b->click();
        QCOMPARE(t.messages().take(),
                 QList<Shown>({{Kind::Question, kUnsaved}, {Kind::Warning, kMissingName}}));
        QCOMPARE(e->lblPosizione->text(), QStringLiteral("3"));
        QCOMPARE(e->txtConcorrente->text(), QString());
    }
    t.messages().answerQuestion(Answer::Yes);
    QVERIFY(!e->windowHandle()->close());
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Question, kUnsaved}, {Kind::Warning, kMissingName}}));
    QVERIFY(e->isVisible());
    QCOMPARE(t.readFile(QStringLiteral("S.vai")), before);
    // A blank record left as New made it asks nothing, whatever the command.
    t.messages().answerQuestion(Answer::No);
    e->cmdNuovo->click();
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Question, kUnsaved}}));
    e->cmdNuovo->click();
    e->cmdAvanti->click();
    QCOMPARE(t.messages().take(), QList<Shown>());
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("1"));
}

// ---------------------------------------------------------------------------
// Backups.

void TestSafety::backupOnFirstWrite()
{
    TestApp t;
    const QByteArray before = session(3);
    t.writeFile(QStringLiteral("Giugno.vai"), before);
    t.writeFile(QStringLiteral("Vuota.vai"), {});
    TfrmTorneo *e = openEditor(t, QStringLiteral("Giugno.vai"));
    e->cmdPrimo->click();
    e->txtNote->setText(QStringLiteral("prima correzione"));
    e->cmdSalva->click();
    const QString first = QStringLiteral("Giugno 2026-12-09 10.30.00.vai");
    QCOMPARE(backupsOf(t, QStringLiteral("Giugno")), QStringList({first}));
    // The copy is the file as it was before the write.
    QCOMPARE(t.readFile(QStringLiteral("Backup/") + first), before);
    // Later writes in the same run make none, whatever the clock says.
    t.clock().date = QDate(2026, 12, 10);
    e->txtNote->setText(QStringLiteral("seconda correzione"));
    e->cmdSalva->click();
    e->cmdNuovo->click();
    e->txtConcorrente->setText(QStringLiteral("Nuovo"));
    e->cmdSalva->click();
    QCOMPARE(backupsOf(t, QStringLiteral("Giugno")), QStringList({first}));
    // An empty session has nothing to keep.
    e->close();
    e = openEditor(t, QStringLiteral("Vuota.vai"));
    e->txtConcorrente->setText(QStringLiteral("Primo"));
    e->cmdSalva->click();
    QCOMPARE(backupsOf(t, QStringLiteral("Vuota")), QStringList());
    QCOMPARE(QDir(t.path(QStringLiteral("Backup"))).entryList(QDir::Files), QStringList({first}));
    QCOMPARE(e->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    t.messages().take();
}

void TestSafety::backupFailureStillSaves()
{
    TestApp t;
    t.writeFile(QStringLiteral("S.vai"), session(2));
    t.writeFile(QStringLiteral("Backup"), "not a folder"); // the copies have nowhere to go
    TfrmTorneo *e = openEditor(t, QStringLiteral("S.vai"));
    e->cmdUltimo->click();
    e->txtNote->setText(QStringLiteral("nota"));
    e->cmdSalva->click();
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kChanged}}));
    QCOMPARE(e->panInfo->text(), kBackupFailed);
    SessionFile file(t.path(QStringLiteral("S.vai")));
    QCOMPARE(file.read(1).text(F::Note), QStringLiteral("nota"));
    file.close();
    // The copy is tried again at the next write, and then the warning goes.
    QFile::remove(t.path(QStringLiteral("Backup")));
    e->txtNote->setText(QStringLiteral("nota 2"));
    e->cmdSalva->click();
    t.messages().take();
    QCOMPARE(backupsOf(t, QStringLiteral("S")).size(), 1);
    QCOMPARE(e->panInfo->text(), QString());
}

// ---------------------------------------------------------------------------
// The change log.

void TestSafety::logLinesOfSaves()
{
    TestApp t;
    t.writeFile(QStringLiteral("Esami.vai"), session(2));
    TfrmTorneo *e = openEditor(t, QStringLiteral("Esami.vai"));
    const QString when = changelog::timestamp(t.clock().now());
    // A correction: one line per changed field, old and new value.
    e->cmdUltimo->click();
    e->txtPunteggio->setText(QStringLiteral("24,75"));
    e->txtGare->setPlainText(QStringLiteral("Scritto\tcon pause\norale"));
    e->chkCompletato->setChecked(false);
    e->cmdSalva->click();
    // Saving again without a change adds nothing.
    e->cmdSalva->click();
    // A new record: its fields, each as a new value.
    e->cmdNuovo->click();
    e->txtConcorrente->setText(QStringLiteral("Verdi Anna"));
    e->cmdSalva->click();
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kChanged},
                                                {Kind::Information, kChanged},
                                                {Kind::Information, kInserted}}));
    const QStringList expected = {
        when + "\t2\tProve sostenute\tProva scritta\tScritto\\tcon pause\\norale",
        when + "\t2\tPunteggio totale\t10,00\t24,75",
        when + "\t2\tIdoneo\tSì\tNo",
        when + "\t3\tCandidato\t(nuova scheda)\tVerdi Anna",
        when + "\t3\tData esame\t(nuova scheda)\t09/12/2026",
        when + "\t3\tPunteggio totale\t(nuova scheda)\t0,00",
        when + "\t3\tIdoneo\t(nuova scheda)\tNo",
    };
    QCOMPARE(logLines(t, QStringLiteral("Esami")), expected);
    QVERIFY(when.startsWith(QLatin1String("2026-12-09T10:30:00")));
}

void TestSafety::logFailureKeepsTheSave()
{
    TestApp t;
    t.writeFile(QStringLiteral("S.vai"), session(1));
    QVERIFY(QDir(t.folder()).mkdir(QStringLiteral("S.log"))); // the log cannot be opened
    TfrmTorneo *e = openEditor(t, QStringLiteral("S.vai"));
    e->cmdPrimo->click();
    e->txtConcorrente->setText(QStringLiteral("C1 corretto"));
    e->cmdSalva->click();
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kChanged}}));
    QCOMPARE(e->panInfo->text(), kLogFailed);
    QVERIFY(!e->hasUnsavedChanges());
    SessionFile file(t.path(QStringLiteral("S.vai")));
    QCOMPARE(file.count(), 1);
    QCOMPARE(file.read(0).text(F::Concorrente), QStringLiteral("C1 corretto"));
    file.close();
}

SINTAREL_TEST_MAIN(TestSafety)
#include "tst_safety.moc"
