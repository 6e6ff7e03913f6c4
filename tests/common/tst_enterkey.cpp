#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "archive/ApriArchivio.h"
#include "archive/CreaArchivio.h"
#include "archive/record.h"
#include "archive/sessionfile.h"
#include "common/FullScreenWindow.h"
#include "editor/Torneo.h"
#include "export/ExpTorneo.h"
#include "lists/CandidateListView.h"
#include "lists/Segnalati.h"
#include "lists/TrovaPagina.h"
#include "printouts/AnteprimaPagina.h"
#include "printouts/StampaPagina.h"
#include "rankings/ApriClassifica.h"
#include "rankings/ExpClassifica.h"
#include "rankings/LineList.h"
#include "shell/Avvio.h"
#include "support/testapp.h"
#include "tools/Calcolatrice_Scientifica.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>

using F = TScheda::Field;

namespace
{

void writeSession(TestApp &t)
{
    SessionFile file(t.path(QStringLiteral("Prova.vai")));
    for (const char *name : {"ROSSI MARIO", "VERDI ANNA"}) {
        TScheda s = TScheda::blank();
        s.setText(F::Concorrente, QString::fromLatin1(name));
        s.setText(F::Email, QStringLiteral("12/06/2024"));
        s.setText(F::Punteggio, QStringLiteral("20,00"));
        s.setEligible(true);
        file.append(s);
    }
    file.close();
    t->frmTorneo()->lblFile->setText(t.path(QStringLiteral("Prova.vai")));
    t->frmTorneo()->lblNome->setText(QStringLiteral("Prova"));
}

// One window of the program: how to open it fresh, and for each of its push
// buttons how to tell that the button's command ran.
struct Press {
    QString button;
    std::function<bool(TestApp &, QWidget *)> ran;
    std::function<void(TestApp &)> before = [](TestApp &) {};
};
struct WindowCase {
    std::function<QWidget *(TestApp &, std::unique_ptr<QWidget> &)> open;
    QList<Press> presses;
};

bool closed(TestApp &, QWidget *w)
{
    return !w->isVisible();
}
bool printed(TestApp &t, QWidget *)
{
    return t.print().jobs.size() == 1;
}
bool messageShown(TestApp &t, QWidget *)
{
    return !t.messages().take().isEmpty();
}

template <typename W> QWidget *own(std::unique_ptr<QWidget> &holder, W *w)
{
    holder.reset(w);
    w->show();
    return w;
}

QMap<QString, WindowCase> cases()
{
    QMap<QString, WindowCase> c;
    c[QStringLiteral("login")] = {
        [](TestApp &t, std::unique_ptr<QWidget> &) -> QWidget * {
            t->start();
            typeText(t->frmPassword()->txtPassword, QStringLiteral("sbagliata"));
            return t->frmPassword();
        },
        {{QStringLiteral("cmdOK"), messageShown},
         {QStringLiteral("cmdEsci"),
          [](TestApp &t, QWidget *w) { return !w->isVisible() && t->quitRequested(); }},
         {QStringLiteral("btnCambiaPassword"),
          [](TestApp &t, QWidget *) { return t->frmCambiaPassword()->isVisible(); }}}};
    c[QStringLiteral("change password")] = {
        [](TestApp &t, std::unique_ptr<QWidget> &) -> QWidget * {
            t->start();
            t->frmPassword()->btnCambiaPassword->click();
            TfrmCambiaPassword *w = t->frmCambiaPassword();
            for (const char *name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"})
                typeText(getChild<QLineEdit>(w, QString::fromLatin1(name)), QStringLiteral("sbagliata"));
            return w;
        },
        {{QStringLiteral("cmdOK"), messageShown}, {QStringLiteral("cmdEsci"), [](TestApp &t, QWidget *w) {
                                                       return !w->isVisible() &&
                                                              t->frmPassword()->isVisible();
                                                   }}}};
    c[QStringLiteral("search filters")] = {
        [](TestApp &t, std::unique_ptr<QWidget> &holder) {
            writeSession(t);
            return own(holder, new TfrmTrovaPagina(t.app(), t->frmTorneo()));
        },
        {{QStringLiteral("btnAnnulla"), closed},
         {QStringLiteral("btnCerca"), [](TestApp &, QWidget *w) {
              return static_cast<TfrmTrovaPagina *>(w)->lstRecords->count() == 2;
          }}}};
    c[QStringLiteral("search results")] = {
        [](TestApp &t, std::unique_ptr<QWidget> &holder) {
            writeSession(t);
            auto *w = new TfrmTrovaPagina(t.app(), t->frmTorneo());
            own(holder, w);
            w->btnCerca->click();
            w->txtTrova->setText(QStringLiteral("VERDI"));
            return w;
        },
        {{QStringLiteral("btnTrova"),
          [](TestApp &, QWidget *w) {
              return static_cast<TfrmTrovaPagina *>(w)->lstRecords->selectedRow() == 1;
          }},
         {QStringLiteral("btnChiudi"), closed},
         {QStringLiteral("btnStampa"), printed}}};
    c[QStringLiteral("eligible")] = {
        [](TestApp &t, std::unique_ptr<QWidget> &holder) {
            writeSession(t);
            auto *w = new TfrmSegnalati(t.app(), t->frmTorneo());
            own(holder, w);
            w->txtTrova->setText(QStringLiteral("VERDI"));
            return w;
        },
        {{QStringLiteral("btnTrova"),
          [](TestApp &, QWidget *w) {
              return static_cast<TfrmSegnalati *>(w)->lstRecords->selectedRow() == 1;
          }},
         {QStringLiteral("btnChiudi"), closed},
         {QStringLiteral("btnStampa"), printed}}};
    c[QStringLiteral("sheet print")] = {
        [](TestApp &t, std::unique_ptr<QWidget> &holder) {
            return own(holder, new TfrmStampaPagina(t.app(), t->frmTorneo()));
        },
        {{QStringLiteral("btnStampa"), printed}, {QStringLiteral("btnAnnulla"), [](TestApp &t, QWidget *w) {
                                                      return !w->isVisible() && t.print().jobs.isEmpty();
                                                  }}}};
    c[QStringLiteral("sheet preview")] = {
        [](TestApp &t, std::unique_ptr<QWidget> &holder) {
            return own(holder, new TfrmAnteprimaPagina(t.app(), t->frmTorneo()));
        },
        {{QStringLiteral("btnStampa"), printed}, {QStringLiteral("btnAnnulla"), [](TestApp &t, QWidget *w) {
                                                      return !w->isVisible() && t.print().jobs.isEmpty();
                                                  }}}};
    c[QStringLiteral("merit ranking")] = {
        [](TestApp &t, std::unique_ptr<QWidget> &holder) {
            writeSession(t);
            t->frmApriClassifica()->lblFile->setText(t.path(QStringLiteral("Prova.vai")));
            auto *w = new TfrmExpClassifica(t.app(), t->frmApriClassifica());
            own(holder, w);
            w->txtTrova->setText(QStringLiteral("VERDI"));
            return w;
        },
        {{QStringLiteral("btnTrova"),
          [](TestApp &, QWidget *w) {
              return static_cast<TfrmExpClassifica *>(w)->lstRecords->selectedRow() == 1;
          }},
         {QStringLiteral("btnStampa"), printed,
          [](TestApp &t) { t.messages().answer(true); }}, // "Si vuole stampare la presente graduatoria?"
         {QStringLiteral("btnEsci"), closed}}};
    c[QStringLiteral("calculator")] = {
        [](TestApp &t, std::unique_ptr<QWidget> &holder) {
            return own(holder, new TfrmCalcolatrice_Scientifica(t.app(), t->frmTorneo()->txtPunteggio,
                                                                t->frmTorneo()));
        },
        {{QStringLiteral("btnImporta"),
          [](TestApp &t, QWidget *w) {
              return !w->isVisible() && t->frmTorneo()->txtPunteggio->text() == u"0";
          }},
         {QStringLiteral("btnChiudi"), [](TestApp &t, QWidget *w) {
              return !w->isVisible() && t->frmTorneo()->txtPunteggio->text() == u"0,00";
          }}}};
    return c;
}

} // namespace

class TestEnterKey : public QObject
{
    Q_OBJECT
private slots:
    void enterPressesFocusedButton_data();
    void enterPressesFocusedButton();
    void enterInRankingFieldAndList();
    void f1OpensHelp_data();
    void f1OpensHelp();
};

void TestEnterKey::enterPressesFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : cases().keys())
        QTest::newRow(qPrintable(name)) << name;
}

// Each push button of a window, focused, runs its command on Enter and on Return.
void TestEnterKey::enterPressesFocusedButton()
{
    QFETCH(QString, window);
    const WindowCase wc = cases().value(window);
    for (const Press &p : wc.presses) {
        for (Qt::Key key : {Qt::Key_Enter, Qt::Key_Return}) {
            TestApp t;
            std::unique_ptr<QWidget> holder;
            QWidget *w = wc.open(t, holder);
            QVERIFY(QTest::qWaitForWindowActive(w));
            auto *button = getChild<QPushButton>(w, p.button);
            QVERIFY(button);
            QVERIFY2(button->isEnabled(), qPrintable(p.button));
            p.before(t);
            button->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(QApplication::focusWidget(), button);
            // Sent where the keyboard sends it: to the focused widget.
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY2(p.ran(t, w),
                     qPrintable(p.button + QString::fromLatin1(key == Qt::Key_Enter ? " Enter" : " Return")));
            // The program's own look: Verdana on every push button.
            QCOMPARE(button->font().family(), QStringLiteral("Verdana"));
            t.messages().take();
            if (w->isVisible())
                w->close();
            QVERIFY2(t.messages().problems().isEmpty(), qPrintable(t.messages().problems().join(u'\n')));
        }
    }
}

// In a ranking window Enter in the find field or the list finds, never prints.
void TestEnterKey::enterInRankingFieldAndList()
{
    TestApp t;
    writeSession(t);
    t->frmApriClassifica()->lblFile->setText(t.path(QStringLiteral("Prova.vai")));
    TfrmExpClassifica w(t.app(), t->frmApriClassifica());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.txtTrova->setText(QStringLiteral("VERDI"));
    w.txtTrova->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), w.txtTrova);
    QTest::keyClick(w.txtTrova, Qt::Key_Return);
    QCOMPARE(w.lstRecords->selectedRow(), 1);
    w.lstRecords->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), w.lstRecords);
    QTest::keyClick(w.lstRecords, Qt::Key_Return);
    QVERIFY(t.messages().take().isEmpty()); // no "Si vuole stampare...?"
    QVERIFY(t.print().jobs.isEmpty());
    QVERIFY(w.isVisible());
}

void TestEnterKey::f1OpensHelp_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("topic");
    QTest::newRow("start screen") << "frmAvvio"
                                  << "Uno sguardo a Sintarel";
    QTest::newRow("new session") << "frmCreaArchivio"
                                 << "Gestione sessioni d'esame";
    QTest::newRow("session list") << "frmApriArchivio"
                                  << "Gestione sessioni d'esame";
    QTest::newRow("ranking selection") << "frmApriClassifica"
                                       << "Visualizzazione graduatorie";
    QTest::newRow("merit ranking") << "frmExpClassifica"
                                   << "Visualizzazione graduatorie";
    QTest::newRow("export") << "frmExpTorneo"
                            << "Esportazione archivio candidati esaminati in Microsoft Excel";
}

// F1 in a window with a help icon opens its help page, wherever the focus is.
void TestEnterKey::f1OpensHelp()
{
    QFETCH(QString, window);
    QFETCH(QString, topic);
    TestApp t;
    writeSession(t);
    std::unique_ptr<QWidget> ranking;
    QWidget *w = nullptr;
    if (window == QLatin1String("frmExpClassifica")) {
        t->frmApriClassifica()->lblFile->setText(t.path(QStringLiteral("Prova.vai")));
        w = own(ranking, new TfrmExpClassifica(t.app(), t->frmApriClassifica()));
    } else if (window == QLatin1String("frmExpTorneo")) {
        t->frmTorneo()->lblFile->setText(t.path(QStringLiteral("Prova.vai")));
        t->frmTorneo()->lblNome->setText(QStringLiteral("Prova"));
        w = own(ranking, new TfrmExpTorneo(t.app(), t->frmTorneo()));
    } else {
        const QMap<QString, FullScreenWindow *> screens{
            {QStringLiteral("frmAvvio"), t->frmAvvio()},
            {QStringLiteral("frmCreaArchivio"), t->frmCreaArchivio()},
            {QStringLiteral("frmApriArchivio"), t->frmApriArchivio()},
            {QStringLiteral("frmApriClassifica"), t->frmApriClassifica()}};
        FullScreenWindow *screen = screens.value(window);
        QVERIFY(screen);
        screen->showWindow();
        w = screen;
    }
    QVERIFY(QTest::qWaitForWindowActive(w));
    QString shown;
    whenModal([&](QWidget *modal) {
        if (modal->objectName() == QLatin1String("frmGuida"))
            shown = getChild<QLabel>(modal, QStringLiteral("lblTitolo"))->text();
        modal->close();
    });
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
    QTest::keyClick(target, Qt::Key_F1);
    QCOMPARE(shown, topic);
}

SINTAREL_TEST_MAIN(TestEnterKey)
#include "tst_enterkey.moc"
