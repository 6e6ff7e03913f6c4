#include "archive/record.h"
#include "archive/sessionfile.h"
#include "common/ImageButton.h"
#include "common/Messages.h"
#include "editor/FieldHighlight.h"
#include "editor/Torneo.h"
#include "support/faultyaccess.h"
#include "support/testapp.h"
#include "tools/Calendario.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;
using F = TScheda::Field;

namespace
{

const QString kAccess = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                       "installazione del programma.");
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kChanged =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kUnsaved =
    QStringLiteral("La scheda corrente contiene modifiche non salvate. Salvarle prima di proseguire?");

TScheda candidate(const QString &name, const QString &score = QStringLiteral("10,00"),
                  const QByteArray &flag = QByteArray("No", 3))
{
    TScheda r = TScheda::blank();
    r.setText(F::Concorrente, name);
    r.setText(F::Responsabile, QStringLiteral("CF") + name);
    r.setText(F::Telefono, QStringLiteral("Roma"));
    r.setText(F::Email, QStringLiteral("01/02/2025"));
    r.setText(F::Gare, QStringLiteral("Prova scritta"));
    r.setText(F::Punteggio, score);
    r.setText(F::Note, QString());
    memcpy(r.Completato, flag.constData(), 3);
    return r;
}

// A session file of n candidates named C1..Cn.
QByteArray session(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i) {
        const TScheda r = candidate(QStringLiteral("C%1").arg(i));
        bytes.append(r.bytes(), TScheda::kSize);
    }
    return bytes;
}

TScheda recordAt(const QByteArray &file, int number)
{
    TScheda r;
    memcpy(r.bytes(), file.constData() + (number - 1) * TScheda::kSize, TScheda::kSize);
    return r;
}

// Opens the editor on a session as the session list does.
TfrmTorneo *openEditor(TestApp &t, const QString &file, const QString &name = QStringLiteral("Prova"))
{
    TfrmTorneo *e = t->frmTorneo();
    e->lblFile->setText(t.path(file));
    e->lblNome->setText(name);
    e->showWindow();
    return e;
}

TfrmTorneo *openActive(TestApp &t, const QString &file)
{
    TfrmTorneo *e = openEditor(t, file);
    if (!QTest::qWaitForWindowActive(e))
        qWarning("editor window not active");
    return e;
}

void click(QAbstractButton *b)
{
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class TestTorneo : public QObject
{
    Q_OBJECT
private slots:
    void stateTable_data();
    void stateTable();
    void saveWarnings_data();
    void saveWarnings();
    void saveThenSaveAgain();
    void saveOverRecordKeepsPosition();
    void twoSessionsStartBlank();
    void bytesInFile();
    void unknownFlagKeepsCheckBox();
    void longStoredTextsSurviveSaving();
    void noBreakSpacesInDetailsKept();
    void accessFailures();
    void missingFileIsCreatedEmpty();
    void scoreKeys();
    void scoreLeftBySave();
    void enterChain();
    void fiscalCodeUpperCase();
    void dateField();
    void datePickerImportAndCancel();
    void focusColours();
    void inputLimits();
    void statusLine();
    void literalTexts();
};

// ---------------------------------------------------------------------------
// The record commands: blank / stored k / empty file, each command.

void TestTorneo::stateTable_data()
{
    QTest::addColumn<int>("records"); // records in the file
    QTest::addColumn<int>("shown");   // 0 = blank record, else stored record k
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("position"); // lblPosizione afterwards
    QTest::addColumn<QString>("name");     // txtConcorrente afterwards
    QTest::addColumn<QString>("message");  // information shown, if any
    QTest::addColumn<int>("recordsAfter");

    const QString blankName = QStringLiteral("Nuovo");
    QTest::newRow("blank, First") << 5 << 0 << "First"
                                  << "1"
                                  << "C1"
                                  << "" << 5;
    QTest::newRow("blank, Previous") << 5 << 0 << "Previous"
                                     << "1"
                                     << "C1"
                                     << "" << 5;
    QTest::newRow("blank, Next") << 5 << 0 << "Next"
                                 << "1"
                                 << "C1"
                                 << "" << 5;
    QTest::newRow("blank, Last") << 5 << 0 << "Last"
                                 << "5"
                                 << "C5"
                                 << "" << 5;
    QTest::newRow("blank, Save") << 5 << 0 << "Save"
                                 << "6" << blankName << kInserted << 6;
    QTest::newRow("stored 3, First") << 5 << 3 << "First"
                                     << "1"
                                     << "C1"
                                     << "" << 5;
    QTest::newRow("stored 3, Previous") << 5 << 3 << "Previous"
                                        << "2"
                                        << "C2"
                                        << "" << 5;
    QTest::newRow("stored 3, Next") << 5 << 3 << "Next"
                                    << "4"
                                    << "C4"
                                    << "" << 5;
    QTest::newRow("stored 3, Last") << 5 << 3 << "Last"
                                    << "5"
                                    << "C5"
                                    << "" << 5;
    QTest::newRow("stored 3, Save") << 5 << 3 << "Save"
                                    << "3"
                                    << "C3" << kChanged << 5;
    QTest::newRow("stored 2, Previous") << 5 << 2 << "Previous"
                                        << "1"
                                        << "C1"
                                        << "" << 5;
    QTest::newRow("stored 1, Previous") << 5 << 1 << "Previous"
                                        << "1"
                                        << "C1"
                                        << "" << 5;
    QTest::newRow("stored 5, Next") << 5 << 5 << "Next"
                                    << "5"
                                    << "C5"
                                    << "" << 5;
    QTest::newRow("empty, First") << 0 << 0 << "First"
                                  << "" << blankName << kEmpty << 0;
    QTest::newRow("empty, Previous") << 0 << 0 << "Previous"
                                     << "" << blankName << kEmpty << 0;
    QTest::newRow("empty, Next") << 0 << 0 << "Next"
                                 << "" << blankName << kEmpty << 0;
    QTest::newRow("empty, Last") << 0 << 0 << "Last"
                                 << "" << blankName << kEmpty << 0;
    QTest::newRow("empty, Save") << 0 << 0 << "Save"
                                 << "1" << blankName << kInserted << 1;
    // The file emptied behind the editor's back while record 2 is shown.
    QTest::newRow("emptied, Next clears the number") << 0 << 2 << "Next"
                                                     << ""
                                                     << "C2" << kEmpty << 0;
    QTest::newRow("emptied, Previous") << 0 << 2 << "Previous"
                                       << "2"
                                       << "C2" << kEmpty << 0;
    QTest::newRow("emptied, Previous from 1") << 0 << 1 << "Previous"
                                              << "1"
                                              << "C1"
                                              << "" << 0;
}

void TestTorneo::stateTable()
{
    QFETCH(int, records);
    QFETCH(int, shown);
    QFETCH(QString, command);
    QFETCH(QString, position);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(int, recordsAfter);

    TestApp t;
    t.writeFile(QStringLiteral("S.vai"), session(records));
    TfrmTorneo *e = openEditor(t, QStringLiteral("S.vai"));
    QCOMPARE(e->lblPosizione->text(), QString());
    if (shown > 0)
        e->showRecord(candidate(QStringLiteral("C%1").arg(shown)), shown);
    else
        e->txtConcorrente->setText(QStringLiteral("Nuovo"));

    ImageButton *b = command == "First"      ? e->cmdPrimo
                     : command == "Previous" ? e->cmdIndietro
                     : command == "Next"     ? e->cmdAvanti
                     : command == "Last"     ? e->cmdUltimo
                                             : e->cmdSalva;
    // The name typed on the blank record is an unsaved edit: a command that shows
    // a stored record asks first, and these rows discard it.
    const bool asked = shown == 0 && command != "Save" && records > 0;
    if (asked)
        t.messages().answerQuestion(Messages::Answer::No);
    click(b);
    QCOMPARE(e->lblPosizione->text(), position);
    QCOMPARE(e->txtConcorrente->text(), name);
    QList<Shown> expected;
    if (asked)
        expected.append({Kind::Question, kUnsaved});
    if (!message.isEmpty())
        expected.append({Kind::Information, message});
    QCOMPARE(t.messages().take(), expected);
    const QByteArray file = t.readFile(QStringLiteral("S.vai"));
    QCOMPARE(file.size(), qsizetype(recordsAfter) * TScheda::kSize);
    if (command == "Save")
        QCOMPARE(recordAt(file, position.toInt()).text(F::Concorrente), name);
    if (records > 0 && command != "Save" && !position.isEmpty()) {
        // Every field of the record shown, the score as stored.
        QCOMPARE(e->txtResponsabile->text(), QStringLiteral("CF") + name);
        QCOMPARE(e->txtTelefono->text(), QStringLiteral("Roma"));
        QCOMPARE(e->txtEmail->text(), QStringLiteral("01/02/2025"));
        QCOMPARE(e->txtGare->toPlainText(), QStringLiteral("Prova scritta"));
        QCOMPARE(e->txtPunteggio->text(), QStringLiteral("10,00"));
    }
}

void TestTorneo::saveWarnings_data()
{
    QTest::addColumn<QString>("emptied");
    QTest::addColumn<QString>("warning");
    QTest::newRow("name of blanks")
        << "txtConcorrente"
        << "Attenzione: per salvare la scheda è necessario indicare il nome del candidato.";
    QTest::newRow("date") << "txtEmail"
                          << "Attenzione: per salvare la scheda è necessario indicare la data dell'esame.";
    QTest::newRow("score") << "txtPunteggio"
                           << "Attenzione: per salvare la scheda è necessario indicare il punteggio totale "
                              "ottenuto dal candidato.";
}

void TestTorneo::saveWarnings()
{
    QFETCH(QString, emptied);
    QFETCH(QString, warning);
    TestApp t;
    TfrmTorneo *e = openActive(t, QStringLiteral("S.vai"));
    typeText(e->txtConcorrente, QStringLiteral("Mario Rossi"));
    if (emptied == "txtConcorrente") {
        e->txtConcorrente->setText(QStringLiteral("  \t "));
    } else if (emptied == "txtEmail") {
        e->txtEmail->setFocus();
        QTest::keyClick(e->txtEmail, Qt::Key_Backspace);
    } else {
        e->txtPunteggio->clear(); // as a recalled record could hold it
        e->txtNote->setFocus();
    }
    click(e->cmdSalva);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Warning, warning}}));
    QTRY_COMPARE(QApplication::focusWidget(), getChild<QWidget>(e, emptied));
    // The file is not even opened.
    QVERIFY(!QFile::exists(t.path(QStringLiteral("S.vai"))));
    QCOMPARE(e->lblPosizione->text(), QString());
}

void TestTorneo::saveThenSaveAgain()
{
    TestApp t;
    t.writeFile(QStringLiteral("S.vai"), {});
    TfrmTorneo *e = openEditor(t, QStringLiteral("S.vai"));
    e->txtConcorrente->setText(QStringLiteral("  Anna Bianchi "));
    click(e->cmdSalva);
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kInserted}}));
    e->txtNote->setText(QStringLiteral("seconda versione"));
    click(e->cmdSalva);
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kChanged}}));
    const QByteArray file = t.readFile(QStringLiteral("S.vai"));
    QCOMPARE(file.size(), TScheda::kSize);
    // Typed texts are stored untrimmed.
    QCOMPARE(recordAt(file, 1).text(F::Concorrente), QStringLiteral("  Anna Bianchi "));
    QCOMPARE(recordAt(file, 1).text(F::Note), QStringLiteral("seconda versione"));
}

void TestTorneo::saveOverRecordKeepsPosition()
{
    TestApp t;
    const QByteArray before = session(5);
    t.writeFile(QStringLiteral("S.vai"), before);
    TfrmTorneo *e = openEditor(t, QStringLiteral("S.vai"));
    click(e->cmdPrimo);
    click(e->cmdAvanti);
    click(e->cmdAvanti);
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("3"));
    e->txtConcorrente->setText(QStringLiteral("C3 corretto"));
    click(e->cmdSalva);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kChanged}}));
    click(e->cmdAvanti);
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("4"));
    QCOMPARE(e->txtConcorrente->text(), QStringLiteral("C4"));
    const QByteArray after = t.readFile(QStringLiteral("S.vai"));
    QCOMPARE(after.size(), before.size());
    QCOMPARE(recordAt(after, 3).text(F::Concorrente), QStringLiteral("C3 corretto"));
    // The other records keep every byte.
    QCOMPARE(after.left(2 * TScheda::kSize), before.left(2 * TScheda::kSize));
    QCOMPARE(after.mid(3 * TScheda::kSize), before.mid(3 * TScheda::kSize));
}

void TestTorneo::twoSessionsStartBlank()
{
    TestApp t;
    t.writeFile(QStringLiteral("A.vai"), session(3));
    t.writeFile(QStringLiteral("B.vai"), session(2));
    TfrmTorneo *e = openEditor(t, QStringLiteral("A.vai"), QStringLiteral("A"));
    click(e->cmdUltimo);
    e->chkCompletato->setChecked(true);
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("3"));
    t.messages().answerQuestion(Messages::Answer::No); // the tick is dropped on closing
    e->close();
    QVERIFY(!e->isVisible());
    t.clock().date = QDate(2027, 3, 5);
    e = openEditor(t, QStringLiteral("B.vai"), QStringLiteral("B"));
    QCOMPARE(e->lblNome->text(), QStringLiteral("B"));
    QCOMPARE(e->lblPosizione->text(), QString());
    for (QLineEdit *f : {e->txtConcorrente, e->txtResponsabile, e->txtTelefono, e->txtNote})
        QCOMPARE(f->text(), QString());
    QCOMPARE(e->txtGare->toPlainText(), QString());
    QCOMPARE(e->txtEmail->text(), QStringLiteral("05/03/2027"));
    QCOMPARE(e->txtPunteggio->text(), QStringLiteral("0,00"));
    QVERIFY(!e->chkCompletato->isChecked());
    click(e->cmdUltimo);
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("2"));
}

void TestTorneo::bytesInFile()
{
    TestApp t;
    TfrmTorneo *e = openActive(t, QStringLiteral("S.vai"));
    const QString name130 = QString(QStringLiteral("Àbcdefghij")).repeated(13);
    typeText(e->txtConcorrente, name130);
    QCOMPARE(e->txtConcorrente->text(), name130.left(120));
    e->txtGare->setPlainText(QStringLiteral("scritto\norale"));
    click(e->chkCompletato);
    QVERIFY(e->chkCompletato->isChecked());
    click(e->cmdSalva);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kInserted}}));
    QByteArray file = t.readFile(QStringLiteral("S.vai"));
    QCOMPARE(file.size(), TScheda::kSize);
    QCOMPARE(uchar(file.at(0)), uchar(0xC0)); // "À" in Windows-1252
    QCOMPARE(file.mid(1, 9), QByteArray("bcdefghij"));
    QCOMPARE(file.at(120), '\0');
    QCOMPARE(file.mid(293, 11), QByteArray("09/12/2026", 11)); // the fixed clock's today, then NUL
    QCOMPARE(file.mid(344, 14), QByteArray("scritto\r\norale"));
    QCOMPARE(file.mid(5345, 5), QByteArray("0,00", 5));
    QCOMPARE(file.mid(5862, 3), QByteArray("\x53\xEC\x00", 3));
    // Cleared flag, saved over the same record.
    click(e->chkCompletato);
    click(e->cmdSalva);
    file = t.readFile(QStringLiteral("S.vai"));
    QCOMPARE(file.size(), TScheda::kSize);
    QCOMPARE(file.mid(5862, 3), QByteArray("\x4E\x6F\x00", 3));
    // Read back, the memo shows its lines again.
    click(e->cmdNuovo);
    click(e->cmdPrimo);
    QCOMPARE(e->txtGare->toPlainText(), QStringLiteral("scritto\norale"));
    QCOMPARE(e->txtConcorrente->text(), name130.left(120));
}

void TestTorneo::unknownFlagKeepsCheckBox()
{
    TestApp t;
    QByteArray bytes;
    for (const QByteArray &flag : {QByteArray("S\xEC", 3), QByteArray("??", 3), QByteArray("No", 3),
                                   QByteArray("si", 3), QByteArray(" S\xEC", 3), QByteArray("NO", 3)}) {
        const TScheda r = candidate(QStringLiteral("x"), QStringLiteral("1,00"), flag);
        bytes.append(r.bytes(), TScheda::kSize);
    }
    t.writeFile(QStringLiteral("S.vai"), bytes);
    TfrmTorneo *e = openEditor(t, QStringLiteral("S.vai"));
    // Only "Sì" and "No", trimmed and in their own letter case, move the check box.
    const bool expected[] = {true, true, false, false, true, true};
    for (int i = 0; i < 6; ++i) {
        click(e->cmdAvanti);
        QVERIFY2(e->chkCompletato->isChecked() == expected[i], qPrintable(e->lblPosizione->text()));
    }
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("6"));
}

void TestTorneo::longStoredTextsSurviveSaving()
{
    // A fiscal code and a date longer than the fields' typing limits, as another
    // program may store them: shown whole and saved back whole.
    TestApp t;
    TScheda r = candidate(QStringLiteral("Lungo"));
    const QString code = QStringLiteral("CODICE FISCALE ESTERO 1234567890");
    const QString date = QStringLiteral("1 gennaio 2025, mattina");
    r.setText(F::Responsabile, code);
    r.setText(F::Email, date);
    const QByteArray before(r.bytes(), TScheda::kSize);
    t.writeFile(QStringLiteral("S.vai"), before);
    TfrmTorneo *e = openEditor(t, QStringLiteral("S.vai"));
    click(e->cmdPrimo);
    QCOMPARE(e->txtResponsabile->text(), code);
    QCOMPARE(e->txtEmail->text(), date);
    click(e->cmdSalva);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kChanged}}));
    const TScheda after = recordAt(t.readFile(QStringLiteral("S.vai")), 1);
    QCOMPARE(after.text(F::Responsabile), code);
    QCOMPARE(after.text(F::Email), date);
    // The next record brings the usual limits back.
    click(e->cmdNuovo);
    QCOMPARE(e->txtResponsabile->maxLength(), 16);
    QCOMPARE(e->txtEmail->maxLength(), 10);
}

void TestTorneo::noBreakSpacesInDetailsKept()
{
    // Saving an untouched record stores its details as they were.
    TestApp t;
    TScheda r = candidate(QStringLiteral("Spazi"));
    const QString details = QStringLiteral("Prova\u00a0scritta\r\nVoto: 10\u00a0000");
    r.setText(F::Gare, details);
    t.writeFile(QStringLiteral("S.vai"), QByteArray(r.bytes(), TScheda::kSize));
    TfrmTorneo *e = openEditor(t, QStringLiteral("S.vai"));
    click(e->cmdPrimo);
    click(e->cmdSalva);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kChanged}}));
    QCOMPARE(recordAt(t.readFile(QStringLiteral("S.vai")), 1).text(F::Gare), details);
}

void TestTorneo::accessFailures()
{
    TestApp t;
    t.writeFile(QStringLiteral("S.vai"), session(3));
    TfrmTorneo *e = openEditor(t, QStringLiteral("S.vai"));
    click(e->cmdUltimo);
    FaultyAccess faulty;
    ScopedAccess scoped(&faulty);
    faulty.refuseOpen = true;
    for (ImageButton *b : {e->cmdPrimo, e->cmdIndietro, e->cmdAvanti, e->cmdUltimo}) {
        click(b);
        QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Error, kAccess}}));
        QCOMPARE(e->lblPosizione->text(), QStringLiteral("3"));
        QCOMPARE(e->txtConcorrente->text(), QStringLiteral("C3"));
    }
    // Save: a plain box, and the number changes only once the record is written.
    click(e->cmdNuovo);
    e->txtConcorrente->setText(QStringLiteral("Nuovo"));
    faulty.refuseOpen = false;
    faulty.writeLimit = 100;
    click(e->cmdSalva);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Plain, kAccess}}));
    QCOMPARE(e->lblPosizione->text(), QString());
    faulty.writeLimit = -1;
    faulty.refuseSync = true;
    click(e->cmdSalva);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Plain, kAccess}}));
    QCOMPARE(e->lblPosizione->text(), QString());
    faulty.refuseSync = false;
    // A record number that is not a number is an access failure too.
    e->lblPosizione->setText(QStringLiteral("tre"));
    click(e->cmdSalva);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Plain, kAccess}}));
    click(e->cmdAvanti);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Error, kAccess}}));
}

void TestTorneo::missingFileIsCreatedEmpty()
{
    TestApp t;
    TfrmTorneo *e = openEditor(t, QStringLiteral("Sparita.vai"));
    click(e->cmdAvanti);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kEmpty}}));
    QVERIFY(QFile::exists(t.path(QStringLiteral("Sparita.vai"))));
    QCOMPARE(QFileInfo(t.path(QStringLiteral("Sparita.vai"))).size(), 0);
}

// ---------------------------------------------------------------------------
// Field behaviour.

void TestTorneo::scoreKeys()
{
    TestApp t;
    TfrmTorneo *e = openActive(t, QStringLiteral("S.vai"));
    e->txtPunteggio->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), e->txtPunteggio);
    e->txtPunteggio->selectAll();
    QTest::keyClick(e->txtPunteggio, Qt::Key_Backspace);
    typeText(e->txtPunteggio, QStringLiteral("a7 .-e,x5"));
    QCOMPARE(e->txtPunteggio->text(), QStringLiteral("7,5"));
    QTest::keyClick(e->txtPunteggio, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), e->txtPunteggio); // Tab does not leave
    QTest::keyClick(e->txtPunteggio, Qt::Key_Left);
    QTest::keyClick(e->txtPunteggio, Qt::Key_Delete);
    QTest::keyClick(e->txtPunteggio, Qt::Key_Backspace);
    QCOMPARE(e->txtPunteggio->text(), QStringLiteral("7"));
    typeText(e->txtPunteggio, QStringLiteral(",5"));
    QTest::keyClick(e->txtPunteggio, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), e->txtNote);
    QCOMPARE(e->txtPunteggio->text(), QStringLiteral("7,50"));
    // Leaving an empty field, or by a click elsewhere, normalises too.
    e->txtPunteggio->setFocus();
    e->txtPunteggio->setText(QStringLiteral("1,2,3"));
    e->txtConcorrente->setFocus();
    QTRY_COMPARE(e->txtPunteggio->text(), QStringLiteral("0,00"));
}

void TestTorneo::scoreLeftBySave()
{
    TestApp t;
    TfrmTorneo *e = openActive(t, QStringLiteral("S.vai"));
    e->txtConcorrente->setText(QStringLiteral("Luca"));
    e->txtPunteggio->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), e->txtPunteggio);
    e->txtPunteggio->clear();
    typeText(e->txtPunteggio, QStringLiteral("007,456"));
    // Save by keyboard shortcut-free path: the button's own click, focus kept in the field.
    QMetaObject::invokeMethod(e, "cmdSalvaClick");
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kInserted}}));
    QCOMPARE(e->txtPunteggio->text(), QStringLiteral("7,46"));
    QCOMPARE(recordAt(t.readFile(QStringLiteral("S.vai")), 1).text(F::Punteggio), QStringLiteral("7,46"));
}

void TestTorneo::enterChain()
{
    TestApp t;
    TfrmTorneo *e = openActive(t, QStringLiteral("S.vai"));
    QTRY_COMPARE(QApplication::focusWidget(), e->txtConcorrente);
    const QList<QWidget *> chain = {e->txtConcorrente, e->txtResponsabile, e->txtTelefono, e->txtEmail,
                                    e->txtGare};
    for (int i = 0; i + 1 < chain.size(); ++i) {
        QTest::keyClick(chain[i], Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), chain[i + 1]);
    }
    QTest::keyClick(e->txtGare, Qt::Key_Return);
    QCOMPARE(e->txtGare->toPlainText(), QStringLiteral("\n")); // a new line, the focus stays
    QCOMPARE(QApplication::focusWidget(), e->txtGare);
    e->txtNote->setFocus();
    QTest::keyClick(e->txtNote, Qt::Key_Enter);
    QTRY_COMPARE(QApplication::focusWidget(), e->txtConcorrente);
    QCOMPARE(t.messages().take(), QList<Shown>());
}

void TestTorneo::fiscalCodeUpperCase()
{
    TestApp t;
    TfrmTorneo *e = openActive(t, QStringLiteral("S.vai"));
    e->txtResponsabile->setFocus();
    typeText(e->txtResponsabile, QStringLiteral(" rss"));
    QCOMPARE(e->txtResponsabile->text(), QStringLiteral("RSS"));
    typeText(e->txtResponsabile, QStringLiteral(" "));
    QCOMPARE(e->txtResponsabile->text(), QStringLiteral("RSS")); // a blank at the end never shows
    typeText(e->txtResponsabile, QStringLiteral("mrè80a01h501u"));
    QCOMPARE(e->txtResponsabile->text(), QStringLiteral("RSSMRè80A01H501U"));
}

void TestTorneo::dateField()
{
    TestApp t;
    TfrmTorneo *e = openActive(t, QStringLiteral("S.vai"));
    QCOMPARE(e->txtEmail->text(), QStringLiteral("09/12/2026"));
    QVERIFY(e->txtEmail->isReadOnly());
    e->txtEmail->setFocus();
    QTest::keyClick(e->txtEmail, Qt::Key_Delete);
    QCOMPARE(e->txtEmail->text(), QString());
    e->txtEmail->setText(QStringLiteral("01/01/2020"));
    QTest::keyClick(e->txtEmail, Qt::Key_Backspace);
    QCOMPARE(e->txtEmail->text(), QString());
    // A digit opens the picker and never edits the date.
    e->txtEmail->setText(QStringLiteral("01/01/2020"));
    QString pickerTag;
    whenModal([&](QWidget *w) {
        auto *picker = qobject_cast<TfrmCalendario *>(w);
        QVERIFY(picker);
        pickerTag = picker->lblMemory->text();
        QTest::mouseClick(picker->btnAnnulla, Qt::LeftButton);
    });
    QTest::keyClick(e->txtEmail, Qt::Key_5);
    QCOMPARE(pickerTag, QStringLiteral("torneo_email"));
    QCOMPARE(e->txtEmail->text(), QStringLiteral("01/01/2020"));
    QVERIFY(e->findChildren<TfrmCalendario *>().isEmpty()); // discarded on closing
}

void TestTorneo::datePickerImportAndCancel()
{
    TestApp t;
    TfrmTorneo *e = openActive(t, QStringLiteral("S.vai"));
    e->txtEmail->setFocus();
    QTest::keyClick(e->txtEmail, Qt::Key_Delete);
    // Annulla on an empty date keeps it empty.
    whenModal(
        [](QWidget *w) { QTest::mouseClick(static_cast<TfrmCalendario *>(w)->btnAnnulla, Qt::LeftButton); });
    QTest::keyClick(e->txtEmail, Qt::Key_Space);
    QCOMPARE(e->txtEmail->text(), QString());
    // Importing without touching the calendar gives today.
    QDate started;
    whenModal([&](QWidget *w) {
        auto *picker = static_cast<TfrmCalendario *>(w);
        started = picker->calAppuntamenti->selectedDate();
        QTest::mouseClick(picker->btnImportaData, Qt::LeftButton);
    });
    QTest::keyClick(e->txtEmail, Qt::Key_Space);
    QCOMPARE(started, QDate(2026, 12, 9));
    QCOMPARE(e->txtEmail->text(), QStringLiteral("09/12/2026"));
    // A chosen day is written day first with leading zeros; the next opening starts at today again.
    whenModal([&](QWidget *w) {
        auto *picker = static_cast<TfrmCalendario *>(w);
        started = picker->calAppuntamenti->selectedDate();
        picker->calAppuntamenti->setSelectedDate(QDate(2024, 3, 1));
        QTest::mouseClick(picker->btnImportaData, Qt::LeftButton);
    });
    QTest::keyClick(e->txtEmail, Qt::Key_A);
    QCOMPARE(started, QDate(2026, 12, 9));
    QCOMPARE(e->txtEmail->text(), QStringLiteral("01/03/2024"));
    // The imported date satisfies Save.
    e->txtConcorrente->setText(QStringLiteral("Giulia"));
    click(e->cmdSalva);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Information, kInserted}}));
}

void TestTorneo::focusColours()
{
    TestApp t;
    TfrmTorneo *e = openActive(t, QStringLiteral("S.vai"));
    const QList<QLineEdit *> fields = {e->txtConcorrente, e->txtResponsabile, e->txtTelefono,
                                       e->txtEmail,       e->txtPunteggio,    e->txtNote};
    for (QLineEdit *f : fields) {
        f->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), f);
        for (QLineEdit *g : fields)
            QCOMPARE(fieldhighlight::background(g),
                     g == f ? fieldhighlight::kFocused : fieldhighlight::kUnfocused);
    }
    // What the user sees: the middle of the empty notes field is yellow.
    e->txtNote->clear();
    const QImage shot = e->txtNote->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.width() - 6, shot.height() / 2), QColor(Qt::yellow));
    QCOMPARE(shot.pixelColor(0, shot.height() / 2), fieldhighlight::kOutline);
    QCOMPARE(fieldhighlight::kUnfocused, QColor(QStringLiteral("#F0F8FF")));
}

void TestTorneo::inputLimits()
{
    TestApp t;
    TfrmTorneo *e = openEditor(t, QStringLiteral("S.vai"));
    const QList<QPair<QLineEdit *, int>> limits = {{e->txtConcorrente, 120}, {e->txtResponsabile, 16},
                                                   {e->txtTelefono, 50},     {e->txtEmail, 10},
                                                   {e->txtPunteggio, 15},    {e->txtNote, 500}};
    for (const auto &l : limits)
        QCOMPARE(l.first->maxLength(), l.second);
    // The memo takes 5000 characters, a line break counting two as stored.
    e->txtGare->setFocus();
    e->txtGare->insertPlainText(QString(4998, u'x'));
    e->txtGare->insertPlainText(QStringLiteral("abcd"));
    QCOMPARE(e->txtGare->toPlainText().size(), 5000);
    QVERIFY(e->txtGare->toPlainText().endsWith(QStringLiteral("xab")));
    QTextCursor c = e->txtGare->textCursor();
    c.deletePreviousChar();
    c.deletePreviousChar();
    e->txtGare->setTextCursor(c);
    e->txtGare->insertPlainText(QStringLiteral("\n\n"));
    QCOMPARE(e->txtGare->toPlainText().size(), 4999); // one break (two stored) fitted
    e->txtConcorrente->setText(QStringLiteral("Memo"));
    click(e->cmdSalva);
    t.messages().take();
    const TScheda r = recordAt(t.readFile(QStringLiteral("S.vai")), 1);
    QCOMPARE(r.text(F::Gare).size(), 5000);
    QVERIFY(r.text(F::Gare).endsWith(QStringLiteral("\r\n")));
}

void TestTorneo::statusLine()
{
    TestApp t;
    TfrmTorneo *e = openActive(t, QStringLiteral("S.vai"));
    // The whole panel on screen, whatever the size of the test screen.
    e->showNormal();
    e->setGeometry(0, 0, 1100, 800);
    QTRY_VERIFY(e->childAt(e->chkCompletato->mapTo(e, QPoint(5, 5))) == e->chkCompletato);
    QCOMPARE(e->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    const QString salva = QStringLiteral("Salva la scheda corrente in archivio.");
    auto moveTo = [e](QWidget *w, QPoint at = QPoint(-1, -1)) {
        QTest::mouseMove(w, at == QPoint(-1, -1) ? w->rect().center() : at);
        QCoreApplication::processEvents();
        return e->panInfo->text();
    };
    // Entering the window straight onto a field keeps the first text.
    QCOMPARE(moveTo(e->txtGare), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    QCOMPARE(moveTo(e->cmdSalva), salva);
    // Fields, the memo, captions and the record number keep it...
    for (QWidget *w : {static_cast<QWidget *>(e->txtConcorrente), static_cast<QWidget *>(e->txtGare),
                       static_cast<QWidget *>(e->lblPosizione), static_cast<QWidget *>(e->txtPunteggio)})
        QCOMPARE(moveTo(w), salva);
    // ...the background and its decorative surfaces empty it.
    for (const char *name : {"bkgNome", "panTesto", "shpInfo", "shpPulsanti01", "Rectangle1", "icoCompletato",
                             "shpSfondo02", "imgDettagli"}) {
        QCOMPARE(moveTo(e->chkCompletato),
                 QStringLiteral("Spunta questa casella per annotare che il candidato è risultato idoneo."));
        QWidget *surface = getChild<QWidget>(e, QString::fromLatin1(name));
        QVERIFY(surface);
        // A corner of the surface that no control covers.
        QCOMPARE(moveTo(surface, QPoint(2, 2)), QString());
    }
    QCOMPARE(moveTo(e->btnCalcolatrice), QStringLiteral("Apri calcolatrice."));
    QCOMPARE(moveTo(e->panel(), QPoint(2, e->panel()->height() - 2)), QString());
    QCOMPARE(moveTo(e->btnEmail), QStringLiteral("Verifica codice fiscale."));
    QCOMPARE(moveTo(e, QPoint(2, 2)), QString());
}

void TestTorneo::literalTexts()
{
    TestApp t;
    TfrmTorneo *e = t->frmTorneo();
    QCOMPARE(e->windowTitle(), QStringLiteral(" Sintarel - Gestione sessione"));
    QCOMPARE(e->lblNome->text(), QStringLiteral("Nome Sessione"));
    QCOMPARE(e->txtPunteggio->text(), QStringLiteral("0,00"));
    QCOMPARE(e->chkCompletato->text(), QStringLiteral("Idoneo"));
    QCOMPARE(e->panel()->size(), QSize(994, 692));
    const QStringList captions = {
        "Candidato:", "Codice fiscale:", "Provenienza:", "Data esame:", "Punteggio totale:", "Note:"};
    const QList<QWidget *> buddies = {e->txtConcorrente, e->txtResponsabile, e->txtTelefono,
                                      e->txtEmail,       e->txtPunteggio,    e->txtNote};
    for (int i = 0; i < captions.size(); ++i) {
        bool found = false;
        for (QLabel *l : e->findChildren<QLabel *>())
            found = found || (l->text() == captions[i] && l->buddy() == buddies[i]);
        QVERIFY2(found, qPrintable(captions[i]));
    }
    const QList<QPair<const char *, QString>> status = {
        {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
        {"cmdStampa", "Stampa la scheda corrente."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdExcel", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdNonPagati", "Visualizza l'elenco dei candidati che hanno ottenuto l'idoneità."},
        {"cmdGuida", "Visualizza la pagina della guida in linea sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"btnEmail", "Verifica codice fiscale."},
        {"btnCalcolatrice", "Apri calcolatrice."},
        {"chkCompletato", "Spunta questa casella per annotare che il candidato è risultato idoneo."},
    };
    for (const auto &s : status) {
        QWidget *w = getChild<QWidget>(e, QString::fromLatin1(s.first));
        QVERIFY2(w, s.first);
        QCOMPARE(w->accessibleDescription(), s.second);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(w, &enter);
        QCOMPARE(e->panInfo->text(), s.second);
        if (auto *b = qobject_cast<ImageButton *>(w)) {
            QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY2(!b->accessibleName().isEmpty(), s.first);
        }
    }
    // The toolbar, left to right.
    const QStringList order = {"cmdNuovo", "cmdSalva",     "cmdTrova",     "cmdAnteprima", "cmdStampa",
                               "cmdPrimo", "cmdIndietro",  "lblPosizione", "cmdAvanti",    "cmdUltimo",
                               "cmdExcel", "cmdNonPagati", "cmdGuida",     "cmdEsci"};
    for (int i = 0; i + 1 < order.size(); ++i)
        QVERIFY(getChild<QWidget>(e, order[i])->x() < getChild<QWidget>(e, order[i + 1])->x());
    QVERIFY(!e->lblFile->isVisibleTo(e));
    QVERIFY(e->btnFocus->width() == 0 && e->btnFocus->height() == 0);
}

SINTAREL_TEST_MAIN(TestTorneo)
#include "tst_torneo.moc"
