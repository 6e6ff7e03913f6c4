#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "access/crypt.h"
#include "access/passwordstore.h"
#include "shell/Avvio.h"
#include "support/testapp.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;

namespace
{
const QString kErrata = QStringLiteral("Attenzione: password errata.");
const QString kLettura =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura "
                   "della password. Si consiglia di reinstallare il software.");
const QString kVecchia = QStringLiteral("Attenzione: vecchia password errata.");
const QString kConferma =
    QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                   "E' necessario reinserire entrambi i valori.");
const QString kSuccesso = QStringLiteral("Modifica della password completata con successo.");

void typeInto(QLineEdit *field, const QString &text)
{
    field->clear();
    typeText(field, text);
}
} // namespace

class TestPassword : public QObject
{
    Q_OBJECT
private slots:
    void loginAccepts_data();
    void loginAccepts();
    void loginRefuses_data();
    void loginRefuses();
    void unreadableStore();
    void okButtonAndEnterNeedText();
    void focusFrame();
    void change_data();
    void change();
    void changeEnterCyclesFields();
    void changedPasswordWorksAtLogin();
};

void TestPassword::loginAccepts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("useEnter");
    QTest::newRow("lower case") << "pomodorigialli" << false;
    QTest::newRow("capitals") << "POMODORIGIALLI" << true;
    QTest::newRow("mixed, blanks around") << "  PomodoriGialli " << true;
}

void TestPassword::loginAccepts()
{
    QFETCH(QString, typed);
    QFETCH(bool, useEnter);
    TestApp t;
    t->start();
    TfrmPassword *login = t->frmPassword();
    typeText(login->txtPassword, typed);
    if (useEnter)
        QTest::keyClick(login->txtPassword, Qt::Key_Return);
    else
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
    QCOMPARE(t.messages().take(), QList<Shown>());
    QVERIFY(t->frmAvvio()->isVisible());
    QVERIFY(!login->isVisible());
    QCOMPARE(t.visibleWindow(), t->frmAvvio());
}

void TestPassword::loginRefuses_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("withStore");
    QTest::newRow("wrong") << "pomodorirossi" << true;
    QTest::newRow("accented letter case is not folded") << "pomodorigiallì" << true;
    QTest::newRow("store missing") << "pomodorigialli" << false;
}

void TestPassword::loginRefuses()
{
    QFETCH(QString, typed);
    QFETCH(bool, withStore);
    TestApp t(withStore);
    t->start();
    TfrmPassword *login = t->frmPassword();
    typeText(login->txtPassword, typed);
    QTest::mouseClick(login->cmdOK, Qt::LeftButton);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Plain, kErrata}}));
    QVERIFY(login->isVisible());
    QVERIFY(!t->frmAvvio()->isVisible());
    QCOMPARE(login->txtPassword->text(), QString());
    QCOMPARE(login->lblMemory->text(), QString());
}

void TestPassword::unreadableStore()
{
    TestApp t;
    t.writeFile(QStringLiteral("unins000.dll"), "[Accesso]\nValore=74D4XX\n");
    t->start();
    TfrmPassword *login = t->frmPassword();
    typeText(login->txtPassword, QStringLiteral("pomodorigialli"));
    QTest::mouseClick(login->cmdOK, Qt::LeftButton);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Plain, kLettura}}));
    // The window stays as it was, entry included.
    QCOMPARE(login->txtPassword->text(), QStringLiteral("pomodorigialli"));
    QVERIFY(login->isVisible());
}

void TestPassword::okButtonAndEnterNeedText()
{
    TestApp t;
    t->start();
    TfrmPassword *login = t->frmPassword();
    QVERIFY(!login->cmdOK->isEnabled());
    typeText(login->txtPassword, QStringLiteral("   "));
    QVERIFY(!login->cmdOK->isEnabled());
    QTest::keyClick(login->txtPassword, Qt::Key_Return);
    QCOMPARE(t.messages().take(), QList<Shown>());
    QVERIFY(login->isVisible());
    typeText(login->txtPassword, QStringLiteral("x"));
    QVERIFY(login->cmdOK->isEnabled());
    QTest::keyClick(login->txtPassword, Qt::Key_Backspace);
    QVERIFY(!login->cmdOK->isEnabled());
}

void TestPassword::focusFrame()
{
    TestApp t;
    t->start();
    TfrmPassword *login = t->frmPassword();
    QVERIFY(QTest::qWaitForWindowActive(login));
    login->txtPassword->setFocus();
    QTRY_VERIFY(login->effPassword->isVisible());
    login->cmdEsci->setFocus();
    QTRY_VERIFY(!login->effPassword->isVisible());
}

void TestPassword::change_data()
{
    QTest::addColumn<QString>("oldTyped");
    QTest::addColumn<QString>("newTyped");
    QTest::addColumn<QString>("confirmTyped");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    QTest::newRow("success, stored in capitals") << " PomodoriGialli"
                                                 << "nuova chiave"
                                                 << "nuova chiave " << kSuccesso << "NUOVA CHIAVE";
    QTest::newRow("old wrong") << "pomodori"
                               << "x"
                               << "x" << kVecchia << "POMODORIGIALLI";
    QTest::newRow("confirmation differs in case") << "pomodorigialli"
                                                  << "abc"
                                                  << "ABC" << kConferma << "POMODORIGIALLI";
    QTest::newRow("character above 255 refused")
        << "pomodorigialli" << QStringLiteral("Ωmega") << QStringLiteral("Ωmega")
        << "Attenzione: la nuova password contiene caratteri non ammessi. Usare soltanto lettere, cifre e "
           "simboli "
           "dell'alfabeto latino."
        << "POMODORIGIALLI";
}

void TestPassword::change()
{
    QFETCH(QString, oldTyped);
    QFETCH(QString, newTyped);
    QFETCH(QString, confirmTyped);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    TestApp t;
    t->start();
    TfrmPassword *login = t->frmPassword();
    typeText(login->txtPassword, QStringLiteral("abc"));
    QTest::mouseClick(login->btnCambiaPassword, Qt::LeftButton);
    TfrmCambiaPassword *change = t->frmCambiaPassword();
    QVERIFY(change->isVisible());
    QVERIFY(!login->isVisible());
    QVERIFY(!change->cmdOK->isEnabled());
    typeInto(change->txtPasswordOld, oldTyped);
    typeInto(change->txtPasswordNew, newTyped);
    QVERIFY(!change->cmdOK->isEnabled());
    typeInto(change->txtConferma, confirmTyped);
    QVERIFY(change->cmdOK->isEnabled());
    QTest::mouseClick(change->cmdOK, Qt::LeftButton);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Plain, message}}));
    QCOMPARE(passwordstore::read(t.folder()), stored);
    if (message == kSuccesso) {
        // Back to the login window, emptied.
        QVERIFY(!change->isVisible());
        QVERIFY(login->isVisible());
        QCOMPARE(login->txtPassword->text(), QString());
    } else if (message == kVecchia) {
        QCOMPARE(change->txtPasswordOld->text(), QString());
        QCOMPARE(change->txtPasswordNew->text(), newTyped);
    } else {
        QCOMPARE(change->txtPasswordOld->text(), oldTyped);
        QCOMPARE(change->txtPasswordNew->text(), QString());
        QCOMPARE(change->txtConferma->text(), QString());
    }
    QVERIFY(message == kSuccesso || change->isVisible());
}

void TestPassword::changeEnterCyclesFields()
{
    TestApp t;
    t->start();
    QTest::mouseClick(t->frmPassword()->btnCambiaPassword, Qt::LeftButton);
    TfrmCambiaPassword *change = t->frmCambiaPassword();
    QVERIFY(QTest::qWaitForWindowActive(change));
    change->txtPasswordOld->setFocus();
    for (QLineEdit *f : {change->txtPasswordOld, change->txtPasswordNew, change->txtConferma})
        typeInto(f, QStringLiteral("pomodorigialli"));
    QTest::keyClick(change->txtPasswordOld, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), change->txtPasswordNew);
    QTest::keyClick(change->txtPasswordNew, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), change->txtConferma);
    QTest::keyClick(change->txtConferma, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), change->txtPasswordOld);
    QCOMPARE(t.messages().take(), QList<Shown>()); // Enter never confirms
    QTest::mouseClick(change->cmdEsci, Qt::LeftButton);
    QVERIFY(t->frmPassword()->isVisible());
}

void TestPassword::changedPasswordWorksAtLogin()
{
    TestApp t;
    passwordstore::write(t.folder(), QStringLiteral("CIAO"));
    t->start();
    TfrmPassword *login = t->frmPassword();
    typeText(login->txtPassword, QStringLiteral("pomodorigialli"));
    QTest::keyClick(login->txtPassword, Qt::Key_Return);
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::Plain, kErrata}}));
    typeText(login->txtPassword, QStringLiteral("cIaO"));
    QTest::keyClick(login->txtPassword, Qt::Key_Return);
    QVERIFY(t->frmAvvio()->isVisible());
}

SINTAREL_TEST_MAIN(TestPassword)
#include "tst_password.moc"
