#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "archive/ApriArchivio.h"
#include "archive/CreaArchivio.h"
#include "common/ImageButton.h"
#include "common/errors.h"
#include "editor/Torneo.h"
#include "rankings/ApriClassifica.h"
#include "shell/Avvio.h"
#include "support/testapp.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using Kind = Messages::Kind;
using Shown = FakeMessages::Shown;

namespace
{
void login(TestApp &t)
{
    t->start();
    typeText(t->frmPassword()->txtPassword, QStringLiteral("pomodorigialli"));
    QTest::keyClick(t->frmPassword()->txtPassword, Qt::Key_Return);
    QVERIFY(t->frmAvvio()->isVisible());
}
} // namespace

class TestFlow : public QObject
{
    Q_OBJECT
private slots:
    void startsOnLogin();
    void columnsLeadAndReturn_data();
    void columnsLeadAndReturn();
    void sessionListOpensEditor();
    void sessionListClosedAfterSelectingReturnsToStart();
    void sessionListWarnings();
    void exitEndsProgram_data();
    void exitEndsProgram();
    void webSiteThroughDesktop();
    void startScreenAccessibleNames();
    void generalErrorReport();
};

void TestFlow::startsOnLogin()
{
    TestApp t;
    t->start();
    QCOMPARE(t.visibleWindow(), t->frmPassword());
    QCOMPARE(t->frmPassword()->windowTitle(), QStringLiteral(" Sintarel - Accesso"));
    QCOMPARE(t->frmPassword()->size(), QSize(388, 405));
    QCOMPARE(t->frmAvvio()->windowTitle(), QStringLiteral(" Sintarel"));
    QCOMPARE(t->frmTorneo()->windowTitle(), QStringLiteral(" Sintarel - Gestione sessione"));
}

void TestFlow::columnsLeadAndReturn_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("create, picture") << "imgCreazione"
                                     << "frmCreaArchivio";
    QTest::newRow("create, button") << "btnCreazione"
                                    << "frmCreaArchivio";
    QTest::newRow("open, picture") << "imgApertura"
                                   << "frmApriArchivio";
    QTest::newRow("open, button") << "btnApertura"
                                  << "frmApriArchivio";
    QTest::newRow("rankings, picture") << "imgClassifiche"
                                       << "frmApriClassifica";
    QTest::newRow("rankings, button") << "btnClassifiche"
                                      << "frmApriClassifica";
}

void TestFlow::columnsLeadAndReturn()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    TestApp t;
    login(t);
    auto *b = getChild<ImageButton>(t->frmAvvio(), button);
    QVERIFY(b);
    QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(b, Qt::LeftButton);
    QWidget *shown = t.visibleWindow();
    QVERIFY(shown);
    QCOMPARE(shown->objectName(), window);
    QVERIFY(shown->isMaximized());
    // Each close handler shows the start screen before hiding itself.
    shown->close();
    QCOMPARE(t.visibleWindow(), t->frmAvvio());
    QVERIFY(!t->quitRequested());
}

void TestFlow::sessionListOpensEditor()
{
    TestApp t;
    t.writeFile(QStringLiteral("b.vai"), {});
    t.writeFile(QStringLiteral("Esami giugno.vai"), {});
    t.writeFile(QStringLiteral("A.vai"), {});
    t.writeFile(QStringLiteral("non una sessione.txt"), {});
    login(t);
    QTest::mouseClick(t->frmAvvio()->btnApertura, Qt::LeftButton);
    TfrmApriArchivio *list = t->frmApriArchivio();
    QStringList entries;
    for (int i = 0; i < list->lstFiles->count(); ++i)
        entries << list->lstFiles->item(i)->text();
    QCOMPARE(entries, QStringList({"A.vai", "b.vai", "Esami giugno.vai"}));
    QCOMPARE(list->lblCreati->text(), QStringLiteral("Sono state create 3 sessioni."));
    QCOMPARE(list->lblMemory->text(), QStringLiteral("avvio"));
    list->lstFiles->setCurrentRow(2);
    QTest::mouseClick(list->btnApri, Qt::LeftButton);
    QCOMPARE(t.visibleWindow(), t->frmTorneo());
    QCOMPARE(t->frmTorneo()->lblNome->text(), QStringLiteral("Esami giugno"));
    QCOMPARE(t->frmTorneo()->lblFile->text(), t.path(QStringLiteral("Esami giugno.vai")));
    t->frmTorneo()->close();
    QCOMPARE(t.visibleWindow(), t->frmAvvio());
    // Showing the list again resets its caller tag.
    QTest::mouseClick(t->frmAvvio()->btnApertura, Qt::LeftButton);
    QCOMPARE(list->lblMemory->text(), QStringLiteral("avvio"));
    QCOMPARE(list->lblFile->text(), t.folder());
}

void TestFlow::sessionListClosedAfterSelectingReturnsToStart()
{
    TestApp t;
    t.writeFile(QStringLiteral("Prova.vai"), {});
    login(t);
    QTest::mouseClick(t->frmAvvio()->btnApertura, Qt::LeftButton);
    t->frmApriArchivio()->lstFiles->setCurrentRow(0);
    t->frmApriArchivio()->close(); // the title-bar close, without "Apri archivio"
    QCOMPARE(t.visibleWindow(), t->frmAvvio());
    QVERIFY(!t->frmTorneo()->isVisible());
}

void TestFlow::sessionListWarnings()
{
    TestApp t;
    login(t);
    QTest::mouseClick(t->frmAvvio()->btnApertura, Qt::LeftButton);
    TfrmApriArchivio *list = t->frmApriArchivio();
    QCOMPARE(list->lblCreati->text(), QStringLiteral("Sono state create 0 sessioni."));
    QTest::mouseClick(list->btnApri, Qt::LeftButton);
    QCOMPARE(t.messages().take(),
             QList<Shown>(
                 {{Kind::Warning, QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione.")}}));
    list->close();
    t.writeFile(QStringLiteral("X.vai"), {});
    QTest::mouseClick(t->frmAvvio()->btnApertura, Qt::LeftButton);
    QTest::mouseClick(list->btnApri, Qt::LeftButton);
    QCOMPARE(t.messages().take(),
             QList<Shown>(
                 {{Kind::Warning, QStringLiteral("Attenzione: selezionare la sessione dall'elenco prima di "
                                                 "premere il pulsante Apri archivio.")}}));
    QCOMPARE(t.visibleWindow(), list);
}

void TestFlow::exitEndsProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("exit icon") << "icon";
    QTest::newRow("start screen closed") << "close";
    QTest::newRow("login Esci") << "login";
}

void TestFlow::exitEndsProgram()
{
    QFETCH(QString, how);
    TestApp t;
    QSignalSpy quitting(&t.app(), &AppContext::quitting);
    if (how == "login") {
        t->start();
        QTest::mouseClick(t->frmPassword()->cmdEsci, Qt::LeftButton);
    } else {
        login(t);
        QVERIFY(!t->quitRequested());
        if (how == "icon")
            QTest::mouseClick(t->frmAvvio()->imgEsci, Qt::LeftButton);
        else
            t->frmAvvio()->close();
    }
    QCOMPARE(quitting.count(), 1);
    QVERIFY(t->quitRequested());
}

void TestFlow::webSiteThroughDesktop()
{
    TestApp t;
    login(t);
    QTest::mouseClick(t->frmAvvio()->imgSito, Qt::LeftButton);
    QCOMPARE(t.shell().opened.size(), 1);
    QCOMPARE(t.shell().opened.first().scheme(), QStringLiteral("https"));
}

void TestFlow::startScreenAccessibleNames()
{
    TestApp t;
    const QList<ImageButton *> buttons = t->frmAvvio()->findChildren<ImageButton *>();
    QCOMPARE(buttons.size(), 11);
    for (ImageButton *b : buttons) {
        QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->objectName()));
        // Reached with Tab; a click leaves the focus where it was.
        QCOMPARE(b->focusPolicy(), Qt::TabFocus);
    }
    QCOMPARE(t->frmAvvio()->btnApertura->accessibleName(), QStringLiteral("Apri sessione esistente"));
}

void TestFlow::generalErrorReport()
{
    TestApp t;
    QObject thrower;
    QObject::connect(&thrower, &QObject::objectNameChanged,
                     [] { throw SintarelError(QStringLiteral("Disco pieno")); });
    // An exception escaping an event handler reaches the report, not the user's data.
    QTimer::singleShot(0, &thrower, [&] { thrower.setObjectName(QStringLiteral("x")); });
    QTRY_VERIFY(!t.messages().shown().isEmpty());
    QCOMPARE(t.messages().take(), QList<Shown>({{Kind::GeneralError, QStringLiteral("Disco pieno")}}));
}

SINTAREL_TEST_MAIN(TestFlow)
#include "tst_flow.moc"
