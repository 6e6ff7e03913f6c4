#include "archive/record.h"
#include "common/ImageButton.h"
#include "editor/Torneo.h"
#include "editor/editortexts.h"
#include "support/testapp.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using F = TScheda::Field;
using Shown = FakeMessages::Shown;

namespace
{

QByteArray session(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i) {
        TScheda r = TScheda::blank();
        r.setText(F::Concorrente, QStringLiteral("C%1").arg(i));
        r.setText(F::Email, QStringLiteral("01/02/2025"));
        r.setText(F::Punteggio, QStringLiteral("10,00"));
        bytes.append(r.bytes(), TScheda::kSize);
    }
    return bytes;
}

TfrmTorneo *openOnRecord2(TestApp &t)
{
    t.writeFile(QStringLiteral("S.vai"), session(3));
    TfrmTorneo *e = t->frmTorneo();
    e->lblFile->setText(t.path(QStringLiteral("S.vai")));
    e->lblNome->setText(QStringLiteral("Prova"));
    e->showWindow();
    if (!QTest::qWaitForWindowActive(e))
        qWarning("editor window not active");
    e->cmdAvanti->click();
    e->cmdAvanti->click();
    return e;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void toolbarClickLeavesFocusInField();
    void tabReachesEveryCommand();
    void shortcuts_data();
    void shortcuts();
    void fieldKeysStayWithFields();
    void dataLabelsAreHeard();
};

void TestKeyboard::toolbarClickLeavesFocusInField()
{
    TestApp t;
    TfrmTorneo *e = openOnRecord2(t);
    e->txtTelefono->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), e->txtTelefono);
    QTest::mouseClick(e->cmdIndietro, Qt::LeftButton);
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), e->txtTelefono);
    QTest::mouseClick(e->cmdAvanti, Qt::LeftButton);
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("2"));
    // Space and Enter go to the field, not to the button clicked last.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(e->txtTelefono->text(), QStringLiteral(" "));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(QApplication::focusWidget(), e->txtEmail); // the field's own Enter rule
    // The small buttons beside the fields too.
    e->txtPunteggio->setFocus();
    whenModal([](QWidget *w) { w->close(); });
    QTest::mouseClick(e->btnCalcolatrice, Qt::LeftButton);
    QCOMPARE(e->focusWidget(), e->txtPunteggio);
}

// The record's eight controls in their order, then every command of the window.
void TestKeyboard::tabReachesEveryCommand()
{
    TestApp t;
    TfrmTorneo *e = openOnRecord2(t);
    QStringList chain;
    QWidget *w = e->txtConcorrente;
    do {
        if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(e) && w->isEnabled())
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != e->txtConcorrente);
    QCOMPARE(chain, QStringList({"txtConcorrente", "txtResponsabile", "txtTelefono",    "txtEmail",
                                 "txtGare",        "txtPunteggio",    "txtNote",        "chkCompletato",
                                 "cmdNuovo",       "cmdSalva",        "cmdTrova",       "cmdAnteprima",
                                 "cmdStampa",      "cmdPrimo",        "cmdIndietro",    "cmdAvanti",
                                 "cmdUltimo",      "cmdExcel",        "cmdNonPagati",   "cmdGuida",
                                 "cmdEsci",        "btnEmail",        "btnCalcolatrice"}));
    for (ImageButton *b : e->findChildren<ImageButton *>())
        QCOMPARE(b->focusPolicy(), Qt::TabFocus);
}

void TestKeyboard::shortcuts_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("position"); // lblPosizione afterwards
    QTest::addColumn<QString>("window");   // the modal window it opens
    QTest::addColumn<QString>("message");  // the message it shows

    const QString none;
    QTest::newRow("Ctrl+N") << "cmdNuovo" << QKeySequence(Qt::CTRL | Qt::Key_N) << "" << none << none;
    QTest::newRow("Ctrl+S") << "cmdSalva" << QKeySequence(Qt::CTRL | Qt::Key_S) << "2" << none
                            << editortexts::kSavedChanges;
    QTest::newRow("Ctrl+F") << "cmdTrova" << QKeySequence(Qt::CTRL | Qt::Key_F) << "2"
                            << "frmTrovaPagina" << none;
    QTest::newRow("Ctrl+P") << "cmdStampa" << QKeySequence(Qt::CTRL | Qt::Key_P) << "2"
                            << "frmStampaPagina" << none;
    QTest::newRow("Ctrl+Home") << "cmdPrimo" << QKeySequence(Qt::CTRL | Qt::Key_Home) << "1" << none << none;
    QTest::newRow("Ctrl+PgUp") << "cmdIndietro" << QKeySequence(Qt::CTRL | Qt::Key_PageUp) << "1" << none
                               << none;
    QTest::newRow("Ctrl+PgDn") << "cmdAvanti" << QKeySequence(Qt::CTRL | Qt::Key_PageDown) << "3" << none
                               << none;
    QTest::newRow("Ctrl+End") << "cmdUltimo" << QKeySequence(Qt::CTRL | Qt::Key_End) << "3" << none << none;
    QTest::newRow("F1") << "cmdGuida" << QKeySequence(Qt::Key_F1) << "2"
                        << "frmGuida" << none;
}

// Each shortcut does what a click on its button does, from a line edit, from
// the memo and from a toolbar button; the button's tooltip names the keys.
void TestKeyboard::shortcuts()
{
    QFETCH(QString, button);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, position);
    QFETCH(QString, window);
    QFETCH(QString, message);
    for (const char *focus : {"txtConcorrente", "txtGare", "cmdEsci"}) {
        TestApp t;
        TfrmTorneo *e = openOnRecord2(t);
        QWidget *w = getChild<QWidget>(e, QString::fromLatin1(focus));
        w->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), w);
        QString opened;
        if (!window.isEmpty())
            whenModal([&](QWidget *modal) {
                opened = modal->objectName();
                modal->close();
            });
        QTest::keyClick(w, keys[0].key(), keys[0].keyboardModifiers());
        QCOMPARE(opened, window);
        QCOMPARE(e->lblPosizione->text(), position);
        const QList<Shown> shown = t.messages().take();
        QCOMPARE(shown.isEmpty() ? QString() : shown.first().text, message);
        if (button == QLatin1String("cmdNuovo"))
            QCOMPARE(e->txtConcorrente->text(), QString());
        else
            QCOMPARE(e->txtConcorrente->text(),
                     QStringLiteral("C%1").arg(position.isEmpty() ? 0 : position.toInt()));
        QCOMPARE(e->txtGare->toPlainText(), QString()); // no key reached the memo
    }
    TestApp t;
    auto *b = getChild<ImageButton>(t->frmTorneo(), button);
    QVERIFY(b->toolTip().endsWith(QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + u')'));
    QVERIFY(b->toolTip().startsWith(b->accessibleDescription()));
    QVERIFY(!b->accessibleDescription().isEmpty());
}

// Keys the fields need stay theirs: Home / End in a line edit, PgUp / PgDn in the memo.
void TestKeyboard::fieldKeysStayWithFields()
{
    TestApp t;
    TfrmTorneo *e = openOnRecord2(t);
    e->txtConcorrente->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), e->txtConcorrente);
    QTest::keyClick(e->txtConcorrente, Qt::Key_Home);
    QCOMPARE(e->txtConcorrente->cursorPosition(), 0);
    QTest::keyClick(e->txtConcorrente, Qt::Key_End);
    QCOMPARE(e->txtConcorrente->cursorPosition(), 2);
    e->txtGare->setFocus();
    e->txtGare->setPlainText(QString(200, u'\n'));
    QTest::keyClick(e->txtGare, Qt::Key_PageDown);
    QVERIFY(e->txtGare->textCursor().blockNumber() > 0);
    QTest::keyClick(e->txtGare, Qt::Key_PageUp);
    QCOMPARE(e->txtGare->textCursor().blockNumber(), 0);
    QCOMPARE(e->lblPosizione->text(), QStringLiteral("2"));
}

// The record number and the status line expose the values they show, and a
// new record number is announced.
void TestKeyboard::dataLabelsAreHeard()
{
    TestApp t;
    TfrmTorneo *e = openOnRecord2(t);
    QAccessibleInterface *record = QAccessible::queryAccessibleInterface(e->lblPosizione);
    QVERIFY(record);
    QCOMPARE(record->text(QAccessible::Name), QStringLiteral("Scheda 2"));
    QCOMPARE(record->text(QAccessible::Value), QStringLiteral("2"));
    QCOMPARE(record->text(QAccessible::Description), QStringLiteral("Numero della scheda"));
    QVERIFY(record->textInterface());
    QCOMPARE(record->textInterface()->text(0, record->textInterface()->characterCount()),
             QStringLiteral("2"));

    QAccessibleInterface *status = QAccessible::queryAccessibleInterface(e->panInfo);
    QVERIFY(status);
    QCOMPARE(status->role(), QAccessible::StatusBar);
    QCOMPARE(status->text(QAccessible::Name), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    QVERIFY(status->textInterface());
    QCOMPARE(status->textInterface()->text(0, status->textInterface()->characterCount()),
             QStringLiteral("Pronto per archiviare una nuova scheda..."));

    QAccessibleInterface *band = QAccessible::queryAccessibleInterface(e->lblNome);
    QCOMPARE(band->text(QAccessible::Name), QStringLiteral("Prova"));

    // Paging changes what is read; the offscreen platform has no accessibility
    // bridge, so the announcements themselves are checked through AT-SPI
    // (scripts/a11y_check.py).
    QTest::keyClick(e->txtConcorrente, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(record->text(QAccessible::Name), QStringLiteral("Scheda 3"));
    e->cmdNuovo->click();
    QCOMPARE(record->text(QAccessible::Name), QStringLiteral("Scheda"));
    QCOMPARE(record->textInterface()->characterCount(), 0);
}

SINTAREL_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
