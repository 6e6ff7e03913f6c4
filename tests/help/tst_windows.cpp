#include "archive/sessionfile.h"
#include "common/ImageButton.h"
#include "help/Guida.h"
#include "help/HelpActions.h"
#include "help/Info.h"
#include "help/Splash.h"
#include "help/TextLink.h"
#include "help/helptopics.h"
#include "help/maker.h"
#include "help/openurl.h"
#include "shell/Avvio.h"
#include "support/testapp.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <memory>

namespace
{

// What a modal help, information or splash window looked like while it was up.
struct Seen {
    QPointer<QWidget> window;
    QString objectName;
    QString caption;
    QSize size;
    QPoint centre;
    QString title;
    QString text;
    QColor linkColor;
    QList<QColor> colours; // the link's colour after each step a test took
};

// Runs fn on the next modal window to come up while this object lives. Unlike
// a watch that outlives its test, a window that never opens leaves nothing
// behind to act on a later test's windows.
class ModalWatch
{
public:
    explicit ModalWatch(std::function<void(QWidget *)> fn)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this, fn]() {
            if (QWidget *w = QApplication::activeModalWidget()) {
                m_timer.stop();
                fn(w);
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

// Runs steps on the next modal window, notes what it showed, then closes it
// with its "Chiudi" button, so a failed check never leaves the test hanging.
std::unique_ptr<ModalWatch> onNextModal(Seen &seen, std::function<void(QWidget *, Seen &)> steps = {})
{
    return std::make_unique<ModalWatch>([&seen, steps](QWidget *w) {
        seen.window = w;
        seen.objectName = w->objectName();
        seen.caption = w->windowTitle();
        seen.size = w->size();
        seen.centre = w->frameGeometry().center();
        if (auto *l = w->findChild<QLabel *>(QStringLiteral("lblTitolo")))
            seen.title = l->text();
        if (auto *m = w->findChild<QPlainTextEdit *>(QStringLiteral("txtGuida")))
            seen.text = m->toPlainText();
        if (auto *link = w->findChild<TextLink *>(QStringLiteral("lnkWeb")))
            seen.linkColor = link->color();
        if (steps)
            steps(w, seen);
        if (auto *close = w->findChild<QPushButton *>(QStringLiteral("btnChiudi")))
            close->click();
        else
            w->close();
    });
}

// How the memo shows a topic: each CR LF is one line break.
QString shownText(const QString &title)
{
    QString text = helptopics::text(*helptopics::find(title));
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QWidget *topLevel(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

// Press and release on the link and on its icon, noting the link's colour
// after each, then press on the link and let go away from it.
void pressLinkAndIcon(QWidget *w, Seen &seen, const QString &iconName)
{
    auto *link = getChild<TextLink>(w, QStringLiteral("lnkWeb"));
    auto *icon = getChild<ImageButton>(w, iconName);
    if (!link || !icon)
        return;
    QTest::mousePress(link, Qt::LeftButton);
    seen.colours << link->color();
    QTest::mouseRelease(link, Qt::LeftButton);
    seen.colours << link->color();
    QTest::mousePress(icon, Qt::LeftButton);
    seen.colours << link->color();
    QTest::mouseRelease(icon, Qt::LeftButton);
    seen.colours << link->color();
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 20, -20));
    seen.colours << link->color();
}

const QList<QColor> kPressReleaseTwiceThenDragOff = {
    TextLink::kOrange, TextLink::kDarkBlue, TextLink::kOrange, TextLink::kDarkBlue, TextLink::kDarkBlue};

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT
private slots:
    void helpButtons_data();
    void helpButtons();
    void helpButtonsOfOpenedWindows_data();
    void helpButtonsOfOpenedWindows();
    void startScreenIcons_data();
    void startScreenIcons();
    void helpWindow();
    void manualLinkWithBlanksInFolder();
    void infoWindowMailLink();
    void splashWindowWebLink();
    void placement();
    void helpWindowsInTurnAreIndependent();
    void unknownTitleStillOpens();
};

void TestWindows::helpButtons_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::newRow("start screen") << "frmAvvio"
                                  << "imgGuida" << helptopics::startTitle();
    QTest::newRow("create session") << "frmCreaArchivio"
                                    << "imgGuida" << helptopics::sessionTitle();
    QTest::newRow("session list") << "frmApriArchivio"
                                  << "imgGuida" << helptopics::sessionTitle();
    QTest::newRow("session editor") << "frmTorneo"
                                    << "cmdGuida" << helptopics::sessionTitle();
    QTest::newRow("ranking selection") << "frmApriClassifica"
                                       << "imgGuida" << helptopics::rankingTitle();
}

// The help buttons of the long-lived windows each open a fresh help window on
// their topic, and leave nothing behind.
void TestWindows::helpButtons()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, title);
    TestApp t;
    QWidget *w = topLevel(window);
    QVERIFY2(w, qPrintable(window));
    auto *b = getChild<QAbstractButton>(w, button);
    QVERIFY2(b, qPrintable(window + QStringLiteral(" has no ") + button));

    Seen seen;
    auto watch = onNextModal(seen);
    b->click();
    QCOMPARE(seen.objectName, QStringLiteral("frmGuida"));
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, shownText(title));
    QVERIFY(seen.window.isNull()); // destroyed on closing
    QVERIFY(t.shell().opened.isEmpty());
    QVERIFY(t.messages().take().isEmpty());
}

void TestWindows::helpButtonsOfOpenedWindows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::newRow("alphabetical ranking") << "frmApriClassifica"
                                          << "btnApri"
                                          << "imgGuida" << helptopics::rankingTitle();
    QTest::newRow("merit ranking") << "frmApriClassifica"
                                   << "btnExcel"
                                   << "imgGuida" << helptopics::rankingTitle();
    QTest::newRow("spreadsheet export") << "frmTorneo"
                                        << "cmdExcel"
                                        << "cmdGuida" << helptopics::exportTitle();
}

// The windows opened on demand over a session: their help buttons too open
// their topic, on top of them.
void TestWindows::helpButtonsOfOpenedWindows()
{
    QFETCH(QString, window);
    QFETCH(QString, opener);
    QFETCH(QString, button);
    QFETCH(QString, title);
    TestApp t;
    const QString session = t.path(QStringLiteral("Prova.vai"));
    {
        SessionFile file(session);
        TScheda r = TScheda::blank();
        r.setText(TScheda::Field::Concorrente, QStringLiteral("Rossi Anna"));
        r.setText(TScheda::Field::Email, QStringLiteral("15/06/2026"));
        r.setText(TScheda::Field::Punteggio, QStringLiteral("80,00"));
        r.setEligible(true);
        file.append(r);
        file.close();
    }
    QWidget *w = topLevel(window);
    QVERIFY2(w, qPrintable(window));
    if (auto *l = w->findChild<QLabel *>(QStringLiteral("lblFile")))
        l->setText(session);
    if (auto *l = w->findChild<QLabel *>(QStringLiteral("lblNome")))
        l->setText(QStringLiteral("Prova"));
    w->show();
    if (auto *list = w->findChild<QAbstractItemView *>(QStringLiteral("lstFiles"))) {
        QVERIFY(list->model() && list->model()->rowCount() == 1);
        list->setCurrentIndex(list->model()->index(0, 0));
    }
    auto *open = getChild<QAbstractButton>(w, opener);
    QVERIFY2(open, qPrintable(window + QStringLiteral(" has no ") + opener));

    QString openedName;
    bool hadButton = false;
    Seen seen;
    std::unique_ptr<ModalWatch> helpWatch;
    ModalWatch openedWatch([&](QWidget *opened) {
        openedName = opened->objectName();
        if (auto *help = opened->findChild<QAbstractButton *>(button)) {
            hadButton = true;
            helpWatch = onNextModal(seen);
            help->click();
        }
        opened->close();
    });
    open->click();
    QVERIFY2(hadButton, qPrintable(openedName + QStringLiteral(" has no ") + button));
    QCOMPARE(seen.objectName, QStringLiteral("frmGuida"));
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, shownText(title));
    QVERIFY(seen.window.isNull());
}

void TestWindows::startScreenIcons_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::newRow("help") << "imgGuida"
                          << "frmGuida"
                          << " Guida all'utilizzo del software" << QSize(670, 572);
    QTest::newRow("information") << "imgInfo"
                                 << "frmInfo"
                                 << " Informazioni su Sintarel" << QSize(473, 579);
    QTest::newRow("splash") << "imgCopyright"
                            << "frmSplash" << QStringLiteral(" Sintarel - ") + maker::notice()
                            << QSize(661, 467);
}

void TestWindows::startScreenIcons()
{
    QFETCH(QString, icon);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    TestApp t;
    t->frmAvvio()->showWindow();
    Seen seen;
    auto watch = onNextModal(seen);
    QTest::mouseClick(getChild<ImageButton>(t->frmAvvio(), icon), Qt::LeftButton);
    QCOMPARE(seen.objectName, window);
    QCOMPARE(seen.caption, caption);
    QCOMPARE(seen.size, size);
    QVERIFY(seen.window.isNull());
    QVERIFY(t->frmAvvio()->isVisible());
    QVERIFY(t.shell().opened.isEmpty());

    // The web banner goes straight to the desktop.
    QTest::mouseClick(t->frmAvvio()->imgSito, Qt::LeftButton);
    QCOMPARE(t.shell().opened, QList<QUrl>{QUrl(maker::webAddress())});
}

void TestWindows::helpWindow()
{
    TestApp t;
    Seen seen;
    auto watch = onNextModal(seen, [](QWidget *w, Seen &s) {
        auto *memo = getChild<QPlainTextEdit>(w, QStringLiteral("txtGuida"));
        if (memo && memo->isReadOnly() && memo->lineWrapMode() == QPlainTextEdit::WidgetWidth)
            s.colours << Qt::green; // read-only, word-wrapped memo
        pressLinkAndIcon(w, s, QStringLiteral("imgPDF"));
        if (auto *link = w->findChild<TextLink *>(QStringLiteral("lnkWeb")))
            s.text = link->text();
    });
    help::openTopic(t.app(), t->frmAvvio(), helptopics::rankingTitle());
    QCOMPARE(seen.title, helptopics::rankingTitle());
    QCOMPARE(seen.linkColor, TextLink::kDarkBlue);
    QCOMPARE(seen.text, QStringLiteral("Visualizza guida in formato PDF"));
    QCOMPARE(seen.colours, QList<QColor>{QColor(Qt::green)} + kPressReleaseTwiceThenDragOff);
    const QUrl manual = QUrl::fromLocalFile(t.folder() + QStringLiteral("Guida.pdf"));
    QCOMPARE(t.shell().opened, (QList<QUrl>{manual, manual}));
    QVERIFY(t.messages().take().isEmpty()); // a missing manual is the desktop's business
}

// The program folder may hold blanks: the manual still reaches the desktop
// whole, as one file URL.
void TestWindows::manualLinkWithBlanksInFolder()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/Programmi di prova/Sintarel 2/");
    QVERIFY(QDir().mkpath(folder));
    AppServices s;
    s.programFolder = folder;
    s.messages = std::make_unique<FakeMessages>();
    auto *shell = new FakeDesktopShell;
    s.shell.reset(shell);
    s.clock = std::make_unique<FixedClock>();
    AppContext app(std::move(s));

    Seen seen;
    auto watch = onNextModal(seen, [](QWidget *w, Seen &) {
        if (auto *link = w->findChild<TextLink *>(QStringLiteral("lnkWeb")))
            QTest::mouseClick(link, Qt::LeftButton);
    });
    help::openTopic(app, nullptr, helptopics::startTitle());
    QCOMPARE(shell->opened.size(), 1);
    QVERIFY(shell->opened.first().isLocalFile());
    QCOMPARE(shell->opened.first().toLocalFile(), folder + QStringLiteral("Guida.pdf"));
    QCOMPARE(TMisc::urlFor(helplinks::manualCommand(app.programFolder())), shell->opened.first());
}

void TestWindows::infoWindowMailLink()
{
    TestApp t;
    Seen seen;
    auto watch = onNextModal(seen, [](QWidget *w, Seen &s) {
        pressLinkAndIcon(w, s, QStringLiteral("imgEmail"));
        if (auto *link = w->findChild<TextLink *>(QStringLiteral("lnkWeb")))
            s.text = link->text();
    });
    help::openInfo(t.app(), t->frmAvvio());
    QCOMPARE(seen.objectName, QStringLiteral("frmInfo"));
    QCOMPARE(seen.text, maker::emailAddress());
    QCOMPARE(seen.linkColor, TextLink::kDarkBlue);
    QCOMPARE(seen.colours, kPressReleaseTwiceThenDragOff);
    QCOMPARE(t.shell().opened.size(), 2);
    for (const QUrl &url : t.shell().opened)
        QCOMPARE(url.toString(),
                 QStringLiteral("mailto:") + maker::emailAddress() +
                     QStringLiteral("?subject=Software Sintarel&body=Salve, desidererei avere "
                                    "le seguenti informazioni sul software in oggetto:"));
    QVERIFY(seen.window.isNull());
}

void TestWindows::splashWindowWebLink()
{
    TestApp t;
    Seen seen;
    auto watch = onNextModal(seen, [](QWidget *w, Seen &s) {
        pressLinkAndIcon(w, s, QStringLiteral("imgWeb"));
        if (auto *link = w->findChild<TextLink *>(QStringLiteral("lnkWeb")))
            s.text = link->text();
        if (auto *logo = w->findChild<QWidget *>(QStringLiteral("imgLogo")))
            s.size = logo->size();
    });
    help::openSplash(t.app(), t->frmAvvio());
    QCOMPARE(seen.objectName, QStringLiteral("frmSplash"));
    QVERIFY(seen.caption.startsWith(QStringLiteral(" Sintarel - ")));
    QVERIFY(seen.caption.contains(maker::name()));
    QCOMPARE(seen.size, QSize(625, 380));
    QCOMPARE(seen.text, maker::webAddressShown());
    QCOMPARE(seen.colours, kPressReleaseTwiceThenDragOff);
    QCOMPARE(t.shell().opened, (QList<QUrl>{QUrl(maker::webAddress()), QUrl(maker::webAddress())}));
}

// Help and information windows sit in the middle of the screen; the splash
// sits in the middle of the window that opened it.
void TestWindows::placement()
{
    TestApp t;
    QWidget owner;
    owner.setGeometry(10, 10, 300, 200);
    owner.show();
    const QPoint screenCentre = owner.screen()->availableGeometry().center();
    const QPoint ownerCentre = owner.frameGeometry().center();
    QVERIFY((screenCentre - ownerCentre).manhattanLength() > 100);

    Seen guida, info, splash;
    auto watchGuida = onNextModal(guida);
    help::openTopic(t.app(), &owner, helptopics::exportTitle());
    auto watchInfo = onNextModal(info);
    help::openInfo(t.app(), &owner);
    auto watchSplash = onNextModal(splash);
    help::openSplash(t.app(), &owner);
    QVERIFY2((guida.centre - screenCentre).manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(guida.centre.x()).arg(guida.centre.y())));
    QVERIFY2((info.centre - screenCentre).manhattanLength() <= 4, qPrintable(QStringLiteral("%1,%2 %3,%4")
                                                                                 .arg(info.centre.x())
                                                                                 .arg(info.centre.y())
                                                                                 .arg(screenCentre.x())
                                                                                 .arg(screenCentre.y())));
    QVERIFY2((splash.centre - ownerCentre).manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(splash.centre.x()).arg(splash.centre.y())));
}

// Each help button makes its own window: what one window went through (a
// press never released, its topic) is gone when the next one opens.
void TestWindows::helpWindowsInTurnAreIndependent()
{
    TestApp t;
    Seen first, second;
    auto watchFirst = onNextModal(first, [](QWidget *w, Seen &s) {
        if (auto *link = w->findChild<TextLink *>(QStringLiteral("lnkWeb"))) {
            QTest::mousePress(link, Qt::LeftButton);
            s.colours << link->color();
        }
    });
    help::openTopic(t.app(), t->frmAvvio(), helptopics::exportTitle());
    auto watchSecond = onNextModal(second);
    help::openTopic(t.app(), t->frmAvvio(), helptopics::sessionTitle());

    QCOMPARE(first.colours, QList<QColor>{TextLink::kOrange});
    QCOMPARE(first.title, helptopics::exportTitle());
    QCOMPARE(first.text, shownText(helptopics::exportTitle()));
    QVERIFY(first.window.isNull());
    QCOMPARE(second.title, helptopics::sessionTitle());
    QCOMPARE(second.text, shownText(helptopics::sessionTitle()));
    QCOMPARE(second.linkColor, TextLink::kDarkBlue);
    QVERIFY(second.window.isNull());
    QVERIFY(t.shell().opened.isEmpty());
    QCOMPARE(t->frmAvvio()->findChildren<TfrmGuida *>().size(), 0);
}

void TestWindows::unknownTitleStillOpens()
{
    TestApp t;
    Seen seen;
    QTest::ignoreMessage(QtWarningMsg, "help::openTopic: no topic titled \"Argomento inesistente\"");
    auto watch = onNextModal(seen);
    help::openTopic(t.app(), t->frmAvvio(), QStringLiteral("Argomento inesistente"));
    QCOMPARE(seen.objectName, QStringLiteral("frmGuida"));
    QCOMPARE(seen.title, QStringLiteral("Argomento inesistente"));
    QCOMPARE(seen.text, QString());
}

SINTAREL_TEST_MAIN(TestWindows)
#include "tst_windows.moc"
