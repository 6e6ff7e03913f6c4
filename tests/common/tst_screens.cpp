#include "archive/ApriArchivio.h"
#include "archive/CreaArchivio.h"
#include "archive/record.h"
#include "common/FullScreenWindow.h"
#include "common/ImageButton.h"
#include "common/PanelHost.h"
#include "common/ScrollBars.h"
#include "common/SvgPicture.h"
#include "common/contrast.h"
#include "editor/Torneo.h"
#include "lists/Segnalati.h"
#include "lists/TrovaPagina.h"
#include "rankings/ApriClassifica.h"
#include "rankings/Classifica.h"
#include "rankings/ExpClassifica.h"
#include "rankings/LineList.h"
#include "shell/Avvio.h"
#include "support/testapp.h"
#include "tools/Calcolatrice_Scientifica.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QHash>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryFile>
#include <QToolTip>

namespace
{
// The test screens, side by side; each is also the area windows may fill.
struct TestScreen {
    const char *name;
    int x;
    int width;
    int height;
};
constexpr TestScreen kScreens[] = {
    {"small", 0, 1280, 650}, {"laptop", 1280, 1366, 768}, {"desktop", 2646, 1920, 1080}};

QScreen *screenNamed(const QString &name)
{
    for (QScreen *s : QGuiApplication::screens())
        if (s->name() == name)
            return s;
    return nullptr;
}

FullScreenWindow *fullScreen(TestApp &t, const QString &name)
{
    for (FullScreenWindow *w :
         std::initializer_list<FullScreenWindow *>{t->frmAvvio(), t->frmCreaArchivio(), t->frmApriArchivio(),
                                                   t->frmApriClassifica(), t->frmTorneo()})
        if (w->objectName() == name)
            return w;
    return nullptr;
}

// Shows a long-lived window as the program does, on the named screen.
FullScreenWindow *showOn(TestApp &t, const QString &window, const QString &screen)
{
    FullScreenWindow *w = fullScreen(t, window);
    QScreen *s = screenNamed(screen);
    if (!w || !s)
        return nullptr;
    w->setScreen(s);
    w->showWindow();
    QCoreApplication::processEvents();
    return w;
}

// A session of three candidates, eligible all.
QByteArray threeCandidates()
{
    QByteArray bytes;
    const QList<QPair<QString, QString>> people = {
        {QStringLiteral("ROSSI MARIA GRAZIA"), QStringLiteral("87,50")},
        {QStringLiteral("BIANCHI LUCA"), QStringLiteral("90,00")},
        {QStringLiteral("VERDI ANNA"), QStringLiteral("60")}};
    for (const auto &[name, score] : people) {
        TScheda r = TScheda::blank();
        r.setText(TScheda::Field::Concorrente, name);
        r.setText(TScheda::Field::Responsabile, QStringLiteral("RSSMRA80A01H501U"));
        r.setText(TScheda::Field::Punteggio, score);
        r.setEligible(true);
        bytes.append(r.bytes(), TScheda::kSize);
    }
    return bytes;
}

// A list window of the given kind over the three candidates, its opener on the screen.
std::unique_ptr<QWidget> listWindow(TestApp &t, const QString &kind, const QString &screen)
{
    t.writeFile(QStringLiteral("Prova.vai"), threeCandidates());
    const QString path = t.path(QStringLiteral("Prova.vai"));
    FullScreenWindow *opener = nullptr;
    std::unique_ptr<QWidget> w;
    if (kind == u"merito" || kind == u"alfabetica") {
        opener = showOn(t, QStringLiteral("frmApriClassifica"), screen);
        t->frmApriClassifica()->lblFile->setText(path);
        if (kind == u"merito") {
            w = std::make_unique<TfrmExpClassifica>(t.app(), opener);
        } else {
            auto *alphabetical = new TfrmClassifica(t.app(), opener);
            alphabetical->lblFile->setText(path);
            w.reset(alphabetical);
        }
    } else {
        opener = showOn(t, QStringLiteral("frmTorneo"), screen);
        t->frmTorneo()->lblFile->setText(path);
        if (kind == u"idonei")
            w = std::make_unique<TfrmSegnalati>(t.app(), opener);
        else
            w = std::make_unique<TfrmTrovaPagina>(t.app(), opener);
    }
    w->show();
    QCoreApplication::processEvents();
    // The search shows its list once it has searched: empty filters find everyone.
    if (kind == u"ricerca")
        QTest::mouseClick(getChild<QPushButton>(w.get(), QStringLiteral("btnCerca")), Qt::LeftButton);
    QCoreApplication::processEvents();
    return w;
}

// The thumb's colour against the groove's, as the bar paints them.
double thumbContrast(QScrollBar *bar)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    if (bar->orientation() == Qt::Horizontal)
        opt.state |= QStyle::State_Horizontal;
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    const QRect thumb =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
    const QRect groove =
        bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarGroove, bar);
    const QImage shot = bar->grab().toImage();
    const QColor thumbColour = shot.pixelColor(thumb.center());
    // The groove beside the thumb, on the side with more room.
    const bool leftRoom = thumb.left() - groove.left() > groove.right() - thumb.right();
    const QPoint aside(leftRoom ? (groove.left() + thumb.left()) / 2 : (thumb.right() + groove.right()) / 2,
                       thumb.center().y());
    return contrast::ratio(thumbColour, shot.pixelColor(aside));
}

// The worst contrast between a label's or check box's text colour and what is
// painted behind it, row by row: each row's commonest colour is its background.
// 0 when the text colour is painted nowhere (the colour read is not the one shown).
double paintedContrast(QWidget *window, QWidget *label)
{
    const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect r(label->mapTo(window, QPoint(0, 0)), label->size());
    const QColor text = label->palette().color(label->foregroundRole());
    bool painted = false;
    for (int y = r.top(); y <= r.bottom() && !painted; ++y)
        for (int x = r.left(); x <= r.right() && !painted; ++x)
            painted = shot.pixel(x, y) == text.rgb();
    if (!painted)
        return 0;
    double worst = 21;
    for (int y = r.top() + 2; y <= r.bottom() - 2; ++y) {
        QHash<QRgb, int> counts;
        for (int x = r.left() + 4; x <= r.right() - 4; ++x)
            ++counts[shot.pixel(x, y)];
        QRgb background = 0;
        int most = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.value() > most) {
                most = it.value();
                background = it.key();
            }
        worst = std::min(worst, contrast::ratio(text, QColor(background)));
    }
    return worst;
}
} // namespace

// What every screen must give a reader: contrast, room on small screens, the
// names of pictures.
class TestScreens : public QObject
{
    Q_OBJECT
private slots:
    void contrastRatio_data();
    void contrastRatio();
    void barWordsContrast_data();
    void barWordsContrast();
    void textsOverGradients_data();
    void textsOverGradients();
    void panelWithinScreen_data();
    void panelWithinScreen();
    void focusScrollsIntoView();
    void cornerIconTooltips();
    void rosetteFollowsBox();
    void calculatorFace();
    void listWidth_data();
    void listWidth();
    void selectedCandidateLine_data();
    void selectedCandidateLine();
};

void TestScreens::contrastRatio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same colour") << QColor(0x42, 0x7A, 0xA8) << QColor(0x42, 0x7A, 0xA8) << 1.0;
    QTest::newRow("order does not matter") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    // Published reference figures.
    QTest::newRow("#777 on white") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
    QTest::newRow("green on white") << QColor(0x00, 0x80, 0x00) << QColor(Qt::white) << 5.14;
    QTest::newRow("white on orange") << QColor(Qt::white) << QColor(0xFF, 0xB3, 0x47) << 1.78;
}

void TestScreens::contrastRatio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QCOMPARE(qRound(contrast::ratio(a, b) * 100) / 100.0, ratio);
    // Over a gradient the worst point can lie between its ends.
    const QColor mid(0x80, 0x80, 0x80);
    QVERIFY(contrast::worstOverGradient(mid, Qt::black, Qt::white) < 1.05);
    QCOMPARE(contrast::over(QColor(255, 255, 255, 0), QColor(Qt::black)), QColor(Qt::black));
}

void TestScreens::barWordsContrast_data()
{
    QTest::addColumn<QString>("window");
    for (const char *w : {"frmCalcolatrice_Scientifica", "frmAvvio", "frmCreaArchivio", "frmApriArchivio",
                          "frmApriClassifica"})
        QTest::newRow(w) << QString::fromLatin1(w);
}

// Every bar's words against both ends of its shading, resting and pointed at.
void TestScreens::barWordsContrast()
{
    QFETCH(QString, window);
    TestApp t;
    QLineEdit score;
    TfrmCalcolatrice_Scientifica calculator(t.app(), &score);
    QWidget *w =
        window == calculator.objectName() ? static_cast<QWidget *>(&calculator) : fullScreen(t, window);
    QVERIFY(w);
    int bars = 0;
    for (ImageButton *b : w->findChildren<ImageButton *>()) {
        if (b->words().isEmpty() || !b->findChildren<QWidget *>().isEmpty())
            continue;
        if (b->barTop() == b->barBottom() && b->wordsColor() == b->barTop())
            continue;
        ++bars;
        const double resting = contrast::worstOverGradient(b->wordsColor(), b->barTop(), b->barBottom());
        const double pointed =
            contrast::worstOverGradient(b->wordsColor(), b->barTop().darker(112), b->barBottom().darker(112));
        if (resting < 4.5 || pointed < 4.5)
            QFAIL(qPrintable(
                QStringLiteral("%1: %2:1").arg(b->words()).arg(std::min(resting, pointed), 0, 'f', 2)));
    }
    QVERIFY(bars > 0);
}

void TestScreens::textsOverGradients_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("screen");
    for (const char *screen : {"small", "desktop"}) {
        auto row = [screen](const char *window, const char *label) {
            QTest::addRow("%s %s %s", window, label, screen)
                << QString::fromLatin1(window) << QString::fromLatin1(label) << QString::fromLatin1(screen);
        };
        row("frmApriClassifica", "lblIstruzioni");
        row("frmApriClassifica", "lblCreati");
        row("frmApriClassifica", "chkPiuGiovane");
        row("frmApriClassifica", "chkExAequo");
        row("frmApriClassifica", "chkPubblicazione");
        row("frmApriArchivio", "lblCreati");
        row("frmCreaArchivio", "lblNome");
        row("frmApriArchivio", "titIstruzioni");
        row("frmCreaArchivio", "lblIstruzioni");
    }
}

// Measured on the painted window: the text colour against each row behind it.
void TestScreens::textsOverGradients()
{
    QFETCH(QString, window);
    QFETCH(QString, label);
    QFETCH(QString, screen);
    TestApp t;
    FullScreenWindow *w = showOn(t, window, screen);
    QVERIFY(w);
    auto *l = getChild<QWidget>(w, label);
    QVERIFY(l);
    const double worst = paintedContrast(w, l);
    QVERIFY2(worst >= 4.5, qPrintable(QString::number(worst, 'f', 2)));
}

void TestScreens::panelWithinScreen_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("scrolls");
    for (const char *window :
         {"frmAvvio", "frmCreaArchivio", "frmApriArchivio", "frmApriClassifica", "frmTorneo"}) {
        QTest::addRow("%s small", window) << QString::fromLatin1(window) << QStringLiteral("small") << true;
        QTest::addRow("%s laptop", window)
            << QString::fromLatin1(window) << QStringLiteral("laptop") << false;
        QTest::addRow("%s desktop", window)
            << QString::fromLatin1(window) << QStringLiteral("desktop") << false;
    }
}

// The window fills the screen's free area; a panel taller than it scrolls to
// its bottom edge, a panel that fits is centred and whole.
void TestScreens::panelWithinScreen()
{
    QFETCH(QString, window);
    QFETCH(QString, screen);
    QFETCH(bool, scrolls);
    TestApp t;
    FullScreenWindow *w = showOn(t, window, screen);
    QVERIFY(w);
    QCOMPARE(w->geometry(), screenNamed(screen)->availableGeometry());
    QWidget *panel = w->panel();
    QScrollBar *bar = w->panelHost()->verticalBar();
    QCOMPARE(bar->isVisible(), scrolls);
    QVERIFY(!w->panelHost()->horizontalBar()->isVisible());
    if (!scrolls) {
        QVERIFY(w->rect().contains(panel->geometry()));
        QVERIFY(qAbs(panel->geometry().center().y() - w->rect().center().y()) <= 1);
        return;
    }
    QCOMPARE(panel->y(), 0);
    bar->setValue(bar->maximum());
    QCOMPARE(panel->geometry().bottom(), w->height() - 1);
    // The bar sits beside the panel, not over it.
    QVERIFY(bar->geometry().left() >= panel->geometry().right());
    // The wheel scrolls back up.
    QWheelEvent wheel(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120 * 10),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &wheel);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(panel->y(), 0);
}

// On the small screen the start screen's exit icon comes into view when reached
// with Tab, and the information icon at the top when going back.
void TestScreens::focusScrollsIntoView()
{
    TestApp t;
    FullScreenWindow *w = showOn(t, QStringLiteral("frmAvvio"), QStringLiteral("small"));
    QVERIFY(w);
    auto *start = static_cast<TfrmAvvio *>(w);
    QScrollBar *bar = w->panelHost()->verticalBar();
    QCOMPARE(bar->value(), 0);
    auto shownWhole = [w](QWidget *c) {
        return w->rect().contains(QRect(c->mapTo(w, QPoint(0, 0)), c->size()));
    };
    QVERIFY(!shownWhole(start->imgEsci));
    start->imgEsci->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QVERIFY(shownWhole(start->imgEsci));
    QVERIFY(bar->value() > 0);
    start->imgInfo->setFocus(Qt::BacktabFocusReason);
    QCoreApplication::processEvents();
    QVERIFY(shownWhole(start->imgInfo));
    QVERIFY(bar->value() < start->imgInfo->y());
}

void TestScreens::cornerIconTooltips()
{
    TestApp t;
    FullScreenWindow *w = showOn(t, QStringLiteral("frmAvvio"), QStringLiteral("desktop"));
    QVERIFY(w);
    const QList<QPair<const char *, QString>> icons = {{"imgInfo", QStringLiteral("Informazioni")},
                                                       {"imgGuida", QStringLiteral("Guida")},
                                                       {"imgCopyright", QStringLiteral("Note sul programma")},
                                                       {"imgEsci", QStringLiteral("Esci")}};
    for (const auto &[name, words] : icons) {
        auto *icon = getChild<ImageButton>(w, QString::fromLatin1(name));
        QVERIFY(icon);
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, icon->rect().center(), icon->mapToGlobal(icon->rect().center()));
        QCoreApplication::sendEvent(icon, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), words);
    }
    // A bar shows its words already: no tooltip to repeat them.
    auto *bar = getChild<ImageButton>(w, QStringLiteral("btnCreazione"));
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    QHelpEvent help(QEvent::ToolTip, bar->rect().center(), bar->mapToGlobal(bar->rect().center()));
    QCoreApplication::sendEvent(bar, &help);
    QVERIFY(!QToolTip::isVisible() || QToolTip::text().isEmpty());
}

void TestScreens::rosetteFollowsBox()
{
    TestApp t;
    TfrmTorneo *e = t->frmTorneo();
    auto *rosette = getChild<SvgPicture>(e, QStringLiteral("icoCompletato"));
    QVERIFY(rosette);
    QVERIFY(!e->chkCompletato->isChecked());
    QVERIFY(rosette->isDimmed());
    e->chkCompletato->setChecked(true);
    QVERIFY(!rosette->isDimmed());
    const QImage gold = rosette->grab().toImage();
    e->chkCompletato->setChecked(false);
    QVERIFY(rosette->isDimmed());
    // Painted grey: no pixel keeps a colour.
    const QImage grey = rosette->grab().toImage();
    QVERIFY(gold != grey);
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const QColor c = grey.pixelColor(x, y);
            if (c.alpha() > 0)
                QVERIFY2(qAbs(c.red() - c.blue()) <= 2 && qAbs(c.red() - c.green()) <= 2,
                         qPrintable(c.name(QColor::HexArgb)));
        }
}

// The calculator's white face fills its top edge: no dark band above it.
void TestScreens::calculatorFace()
{
    TestApp t;
    QLineEdit score;
    TfrmCalcolatrice_Scientifica calculator(t.app(), &score);
    calculator.show();
    const QImage shot = calculator.grab().toImage();
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < shot.width(); ++x)
            QVERIFY2(shot.pixelColor(x, y) == QColor(Qt::white),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void TestScreens::listWidth_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("screen");
    for (const char *kind : {"merito", "alfabetica", "idonei", "ricerca"})
        for (const char *screen : {"small", "laptop", "desktop"})
            QTest::addRow("%s %s", kind, screen) << QString::fromLatin1(kind) << QString::fromLatin1(screen);
}

// A list window grows with the screen until its list shows whole lines; the
// window stays on the screen and the sideways bar is plain to see.
void TestScreens::listWidth()
{
    QFETCH(QString, kind);
    QFETCH(QString, screen);
    TestApp t;
    std::unique_ptr<QWidget> w = listWindow(t, kind, screen);
    auto *list = getChild<LineListView>(w.get(), QStringLiteral("lstRecords"));
    QVERIFY(list);
    const QRect area = screenNamed(screen)->availableGeometry();
    QVERIFY2(area.contains(w->geometry()),
             qPrintable(QStringLiteral("%1 x %2").arg(w->width()).arg(w->height())));
    const int designWidth = kind == u"merito" || kind == u"alfabetica" ? 975 : 830;
    if (screen == u"desktop") {
        QVERIFY(list->viewport()->width() >= LineListModel::kLineWidth);
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
    } else {
        // As wide as the screen allows, less the margins.
        QVERIFY(list->width() > designWidth + 200);
        QVERIFY(w->mapTo(w.get(), list->geometry().topRight()).x() < area.width());
        QVERIFY(list->horizontalScrollBar()->maximum() > 0);
        const double thumb = thumbContrast(list->horizontalScrollBar());
        QVERIFY2(thumb >= 3, qPrintable(QString::number(thumb, 'f', 2)));
    }
    // The list's right edge stays inside the window, and the controls do too.
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(w.get()) || c->parentWidget() == nullptr || qobject_cast<QScrollBar *>(c))
            continue;
        if (c->parentWidget() != w.get() && c->parentWidget()->parentWidget() != w.get())
            continue;
        const QRect r(c->mapTo(w.get(), QPoint(0, 0)), c->size());
        QVERIFY2(r.right() < w->width() + 1, qPrintable(c->objectName()));
    }
    if (kind == u"merito" || kind == u"alfabetica") {
        // Under the list: the information line, the selected candidate, then the
        // total and the buttons, each whole inside the panel and none over another.
        auto *ranking = static_cast<RankingWindow *>(w.get());
        ranking->lblAvviso->setText(QStringLiteral("Avviso"));
        ranking->lblAvviso->show();
        const QList<QWidget *> rows = {
            ranking->lstRecords,        ranking->lblAvviso,   ranking->lblSelezionato, ranking->infIntervallo,
            ranking->lblTotConcorrenti, ranking->btnSalvaPdf, ranking->btnStampa,      ranking->btnEsci};
        QWidget *panel = ranking->lstRecords->parentWidget();
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QVERIFY2(rows[i]->isVisibleTo(w.get()), qPrintable(rows[i]->objectName()));
            QVERIFY2(panel->rect().contains(rows[i]->geometry()), qPrintable(rows[i]->objectName()));
            for (qsizetype j = i + 1; j < rows.size(); ++j)
                QVERIFY2(!rows[i]->geometry().intersects(rows[j]->geometry()),
                         qPrintable(rows[i]->objectName() + u' ' + rows[j]->objectName()));
        }
        // The information line reads over the gradient wherever the screen puts it.
        const double notice = paintedContrast(w.get(), ranking->lblAvviso);
        QVERIFY2(notice >= 4.5, qPrintable(QString::number(notice, 'f', 2)));
        // The stretched lines span the list; the buttons keep to its right edge.
        QCOMPARE(ranking->lblAvviso->width(), list->width());
        QCOMPARE(ranking->lblSelezionato->width(), list->width());
        QCOMPARE(ranking->btnEsci->geometry().right(), list->geometry().right());
    }
    if (screen == u"small" && (kind == u"merito" || kind == u"alfabetica")) {
        // The panel is taller than the small screen: it scrolls to its buttons.
        auto *bar = getChild<QScrollBar>(w.get(), QStringLiteral("scrVerticale"));
        QVERIFY(bar && bar->isVisible());
        bar->setValue(bar->maximum());
        auto *esci = getChild<QWidget>(w.get(), QStringLiteral("btnEsci"));
        QVERIFY(w->rect().contains(QRect(esci->mapTo(w.get(), QPoint(0, 0)), esci->size())));
    }
}

void TestScreens::selectedCandidateLine_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("shown");
    const QList<std::array<const char *, 4>> rows = {
        {"merito", "nothing", "", ""},
        {"merito", "arrows", "2° ROSSI MARIA GRAZIA — 87,50 punti", ""},
        {"merito", "find", "3° VERDI ANNA — 60 punti", ""},
        {"merito", "click", "1° BIANCHI LUCA — 90,00 punti", ""},
        {"merito", "new list", "", ""},
        {"merito", "new list, arrows", "2° ROSSI MARIA GRAZIA — 87,50 punti", ""},
        {"merito", "new model, arrows", "2° ROSSI MARIA GRAZIA — 87,50 punti", ""},
        {"alfabetica", "nothing", "", ""},
        {"alfabetica", "arrows", "ROSSI MARIA GRAZIA — 87,50 punti", ""},
        {"alfabetica", "find", "VERDI ANNA — 60 punti", ""},
        {"alfabetica", "click", "BIANCHI LUCA — 90,00 punti", ""},
        {"alfabetica", "new list", "", ""},
        {"alfabetica", "new list, arrows", "ROSSI MARIA GRAZIA — 87,50 punti", ""},
        {"alfabetica", "new model, arrows", "ROSSI MARIA GRAZIA — 87,50 punti", ""},
    };
    for (const auto &r : rows)
        QTest::addRow("%s %s", r[0], r[1])
            << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1]) << QString::fromUtf8(r[2]);
}

// The line under a ranking follows the selection however it moves, and its
// words are what a screen reader reads (the change event itself needs a real
// accessibility bus: scripts/a11y_check.py).
void TestScreens::selectedCandidateLine()
{
    QFETCH(QString, kind);
    QFETCH(QString, action);
    QFETCH(QString, shown);
    TestApp t;
    std::unique_ptr<QWidget> w = listWindow(t, kind, QStringLiteral("desktop"));
    auto *ranking = static_cast<RankingWindow *>(w.get());
    LineListView *list = ranking->lstRecords;
    QCOMPARE(list->count(), 3);
    QLabel *line = ranking->lblSelezionato;
    QCOMPARE(line->text(), QString());

    if (action == u"new list, arrows") {
        // A ranking loaded again: the same model, its lines replaced.
        list->selectRow(2);
        list->setTable(LineTable::fromList(list->lines()));
        QCOMPARE(line->text(), QString());
    } else if (action == u"new model, arrows") {
        // A model set on the view brings a selection model of its own.
        list->selectRow(2);
        auto *model = new LineListModel(list);
        model->setLines(list->lines());
        QItemSelectionModel *before = list->selectionModel();
        list->setModel(model);
        QVERIFY(list->selectionModel() != before);
        QCOMPARE(line->text(), QString());
    }
    if (action.endsWith(u"arrows")) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Up);
    } else if (action == u"find") {
        ranking->txtTrova->setText(QStringLiteral("verdi"));
        QTest::mouseClick(ranking->btnTrova, Qt::LeftButton);
    } else if (action == u"click") {
        const QRect r = list->visualRect(list->model()->index(0, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, r.center().y()));
    } else if (action == u"new list") {
        list->selectRow(1);
        QVERIFY(!line->text().isEmpty());
        list->setLines(list->lines());
    }

    QCOMPARE(line->text(), shown);
    QCOMPARE(line->isVisible(), true);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(line);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), shown);
    // Large type: bigger than the list's own lines.
    QVERIFY(line->font().pointSizeF() > list->font().pointSizeF());
}

// Three screens of the sizes people have; the offscreen platform reads them from a file.
int main(int argc, char *argv[])
{
    QTemporaryFile config(QDir::tempPath() + QStringLiteral("/sintarel_screens_XXXXXX.json"));
    if (config.open()) {
        QByteArray screens;
        for (const TestScreen &s : kScreens)
            screens += QByteArray(screens.isEmpty() ? "" : ",") +
                       QStringLiteral(R"({"name": "%1", "x": %2, "y": 0, "width": %3, "height": %4, )"
                                      R"("logicalDpi": 96, "dpr": 1})")
                           .arg(QString::fromLatin1(s.name))
                           .arg(s.x)
                           .arg(s.width)
                           .arg(s.height)
                           .toUtf8();
        config.write(R"({"windowFrameMargins": false, "screens": [)" + screens + "]}");
        config.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    }
    SintarelApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestScreens tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_screens.moc"
