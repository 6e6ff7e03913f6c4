#include "rankings/RankingWindow.h"

#include "common/BusyCursor.h"
#include "common/FileDialogs.h"
#include "common/Fonts.h"
#include "common/FullScreenWindow.h"
#include "common/Gradient.h"
#include "common/ImageButton.h"
#include "common/Messages.h"
#include "common/PanelHost.h"
#include "common/PushButton.h"
#include "common/ScrollBars.h"
#include "common/SvgPicture.h"
#include "common/TextPlate.h"
#include "common/text.h"
#include "help/HelpActions.h"
#include "printouts/ListPrint.h"
#include "printouts/listprintout.h"
#include "printouts/pagemodel.h"
#include "rankings/LineList.h"
#include "rankings/rankingpdf.h"
#include "shell/AppContext.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>

namespace
{
const QColor kSteelBlue(0x46, 0x82, 0xB4);
const QColor kMaroon(0x80, 0x00, 0x00);

QPushButton *button(QWidget *parent, const char *name, const QString &words, const QRect &geometry)
{
    return makePushButton(parent, QString::fromLatin1(name), words, geometry);
}
} // namespace

RankingWindow::RankingWindow(AppContext &app, const QString &objectName, const QString &caption,
                             QWidget *parent)
    : QDialog(parent), m_app(app), m_panel(new QWidget(this))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    setModal(true);
    setMinimumSize(640, 480);
    m_panel->setObjectName(QStringLiteral("panContenuto"));
    m_panel->resize(FullScreenWindow::kPanelSize);
    QWidget *p = m_panel;

    imgLogo =
        new SvgPicture(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/classifica_diploma.svg"), p);
    imgLogo->setGeometry(10, 8, 100, 100);

    titClassifica = new QLabel(QStringLiteral("- - -"), p);
    titClassifica->setObjectName(QStringLiteral("titClassifica"));
    titClassifica->setFont(fonts::verdana(12, true));
    textplate::put(titClassifica, kMaroon);
    titClassifica->setGeometry(120, 10, 800, 28);

    imgGuida = new ImageButton(QStringLiteral("imgGuida"), p);
    imgGuida->setPicture(QStringLiteral(":/pictures/guida.svg"));
    imgGuida->setAccessibleName(QStringLiteral("Guida"));
    imgGuida->setGeometry(943, 8, 42, 42);

    icoIstruzioni = new SvgPicture(QStringLiteral("icoIstruzioni"),
                                   QStringLiteral(":/pictures/classifica_istruzioni.svg"), p);
    icoIstruzioni->setGeometry(120, 42, 800, 64);

    imgLente =
        new SvgPicture(QStringLiteral("imgLente"), QStringLiteral(":/pictures/classifica_lente.svg"), p);
    imgLente->setGeometry(120, 114, 36, 36);

    txtTrova = new QLineEdit(p);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(fonts::verdana(12, true));
    txtTrova->setAccessibleName(QStringLiteral("Testo da cercare"));
    txtTrova->setGeometry(162, 116, 620, 32);

    btnTrova = button(p, "btnTrova", QStringLiteral("Trova"), QRect(792, 116, 128, 32));

    lstRecords = new LineListView(QStringLiteral("lstRecords"), p);
    lstRecords->setAccessibleName(QStringLiteral("Graduatoria"));
    lstRecords->setGeometry(10, 160, 975, 384);
    scrollbars::makePlain(lstRecords);

    lblAvviso = new QLabel(p);
    lblAvviso->setObjectName(QStringLiteral("lblAvviso"));
    lblAvviso->setFont(fonts::verdana(10, true));
    textplate::put(lblAvviso, kMaroon);
    lblAvviso->setGeometry(10, 546, 975, 26);
    lblAvviso->hide();

    lblSelezionato = new QLabel(p);
    lblSelezionato->setObjectName(QStringLiteral("lblSelezionato"));
    lblSelezionato->setFont(fonts::verdana(14, true));
    textplate::put(lblSelezionato, QColor(0x12, 0x35, 0x5B));
    lblSelezionato->setAccessibleDescription(QStringLiteral("Candidato selezionato"));
    lblSelezionato->setGeometry(10, 576, 975, 40);

    infIntervallo = new QLabel(QStringLiteral("Totale candidati:"), p);
    infIntervallo->setObjectName(QStringLiteral("infIntervallo"));
    infIntervallo->setFont(fonts::verdana(12, true));
    infIntervallo->setGeometry(10, 624, 190, 28);

    lblTotConcorrenti = new QLabel(QStringLiteral("0"), p);
    lblTotConcorrenti->setObjectName(QStringLiteral("lblTotConcorrenti"));
    lblTotConcorrenti->setFont(fonts::verdana(12, true));
    lblTotConcorrenti->setStyleSheet(QStringLiteral("color: #800000;"));
    lblTotConcorrenti->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotConcorrenti->setGeometry(200, 624, 90, 28);

    btnSalvaPdf = button(p, "btnSalvaPdf", QStringLiteral("Salva PDF"), QRect(455, 622, 150, 36));
    btnStampa = button(p, "btnStampa", QStringLiteral("Stampa graduatoria"), QRect(615, 622, 210, 36));
    btnEsci = button(p, "btnEsci", QStringLiteral("Esci"), QRect(835, 622, 150, 36));

    connect(btnTrova, &QPushButton::clicked, this, &RankingWindow::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &RankingWindow::btnStampaClick);
    connect(btnSalvaPdf, &QPushButton::clicked, this, &RankingWindow::btnSalvaPdfClick);
    connect(btnEsci, &QPushButton::clicked, this, &RankingWindow::btnEsciClick);
    connect(imgGuida, &ImageButton::clicked, this, &RankingWindow::imgGuidaClick);
    imgGuida->addShortcut(Qt::Key_F1);
    followSelection();
    connect(lstRecords, &LineListView::selectionModelReplaced, this, &RankingWindow::followSelection);

    // The panel widens with the screen until a whole line shows, scroll bar and frame included.
    m_host = new PanelHost(this, m_panel);
    const int lineView = LineListModel::kLineWidth + 2 * lstRecords->frameWidth() +
                         lstRecords->verticalScrollBar()->sizeHint().width();
    m_host->setWidestPanel(FullScreenWindow::kPanelSize.width() - lstRecords->width() + lineView);
    m_panel->installEventFilter(this);

    // Opens maximised; without a window manager nothing maximises it, so fill the screen.
    if (QScreen *s = parent ? parent->window()->screen() : screen())
        setGeometry(s->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

void RankingWindow::btnTrovaClick()
{
    lstRecords->findText(app().messages(), this, txtTrova->text(), rememberedSearch());
}

void RankingWindow::btnStampaClick()
{
    if (lstRecords->count() == 0) {
        app().messages().warning(
            this, QStringLiteral(
                      "Operazione di stampa non applicabile: la graduatoria non contiene nessuna voce."));
        return;
    }
    if (!app().messages().confirm(this, QStringLiteral("Si vuole stampare la presente graduatoria?")))
        return;
    listprint::printList(app(), this, reportName(), text::trimmed(titClassifica->text()),
                         listprint::rankingLines(printedLines(), lblTotConcorrenti->text()));
}

QStringList RankingWindow::printedLines() const
{
    return m_options.publication ? m_published.toList() : lstRecords->lines();
}

void RankingWindow::setNotice(const QString &text)
{
    lblAvviso->setText(text);
    lblAvviso->setAccessibleName(text);
    lblAvviso->setVisible(!text.isEmpty());
}

void RankingWindow::btnSalvaPdfClick()
{
    if (lstRecords->count() == 0) {
        app().messages().warning(
            this, QStringLiteral(
                      "Operazione di stampa non applicabile: la graduatoria non contiene nessuna voce."));
        return;
    }
    const QString heading = text::trimmed(titClassifica->text());
    QString path = filedialogs::saveFile(this, QStringLiteral("Salva PDF"),
                                         rankingpdf::proposedPath(filedialogs::documentsFolder(), heading),
                                         QStringLiteral("Documenti PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    // A name typed without its extension gets the format's own.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const PageModel pages = listprint::layoutList(
        heading, listprint::rankingLines(printedLines(), lblTotConcorrenti->text()), app().clock().today());
    QString reason;
    const BusyCursor busy;
    if (!rankingpdf::save(pages, path, reportName(), &reason)) {
        app().messages().warning(this,
                                 QStringLiteral("Impossibile salvare il file %1: %2").arg(path, reason));
        return;
    }
    app().messages().information(this, QStringLiteral("Il file è stato salvato: ") + path);
}

void RankingWindow::btnEsciClick()
{
    close();
}

void RankingWindow::imgGuidaClick()
{
    help::openTopic(app(), this, QStringLiteral("Visualizzazione graduatorie"));
}

void RankingWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintVerticalGradient(p, rect(), kSteelBlue, Qt::white);
}

bool RankingWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel && event->type() == QEvent::Resize)
        placeByWidth();
    return QDialog::eventFilter(watched, event);
}

// The list and the selected line take the panel's extra width; the controls on
// the right keep their place at its right edge.
void RankingWindow::placeByWidth()
{
    if (m_anchors.isEmpty()) {
        for (QWidget *w : {static_cast<QWidget *>(lstRecords), static_cast<QWidget *>(lblAvviso),
                           static_cast<QWidget *>(lblSelezionato)})
            m_anchors.anchor(w, WidthAnchors::Anchor::Stretch);
        for (QWidget *w : {static_cast<QWidget *>(imgGuida), static_cast<QWidget *>(btnSalvaPdf),
                           static_cast<QWidget *>(btnStampa), static_cast<QWidget *>(btnEsci)})
            m_anchors.anchor(w, WidthAnchors::Anchor::Right);
    }
    m_anchors.apply(m_panel->width() - FullScreenWindow::kPanelSize.width());
}

// Arrows, clicks and the find all move the selection; a new list clears it. A
// model set on the view brings a new selection model, so this runs again then.
void RankingWindow::followSelection()
{
    for (const QMetaObject::Connection &c : std::as_const(m_selectionLinks))
        disconnect(c);
    m_selectionLinks.clear();
    if (QItemSelectionModel *selection = lstRecords->selectionModel()) {
        m_selectionLinks << connect(selection, &QItemSelectionModel::selectionChanged, this,
                                    &RankingWindow::showSelection)
                         << connect(selection, &QItemSelectionModel::currentChanged, this,
                                    &RankingWindow::showSelection);
    }
    if (QAbstractItemModel *model = lstRecords->model()) {
        m_selectionLinks << connect(model, &QAbstractItemModel::modelReset, this,
                                    &RankingWindow::showSelection)
                         << connect(model, &QAbstractItemModel::rowsRemoved, this,
                                    &RankingWindow::showSelection);
    }
    showSelection();
}

void RankingWindow::showSelection()
{
    // The current line when it is selected, else the line selected some other way
    // (an assistive tool selects without moving the current line).
    QModelIndex shownIndex = lstRecords->currentIndex();
    if (!shownIndex.isValid() || !lstRecords->selectionModel()->isSelected(shownIndex)) {
        const QModelIndexList selected = lstRecords->selectionModel()->selectedIndexes();
        shownIndex = selected.isEmpty() ? QModelIndex() : selected.first();
    }
    const QString line =
        shownIndex.isValid() ? shownIndex.model()->data(shownIndex, Qt::DisplayRole).toString() : QString();
    const QString shown = lines::selectionText(line, lineKind());
    if (shown == lblSelezionato->text())
        return;
    lblSelezionato->setText(shown);
    // Its words are its accessible name: a screen reader hears the new candidate.
    QAccessibleEvent changed(lblSelezionato, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void RankingWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void RankingWindow::closeEvent(QCloseEvent *event)
{
    // Not QDialog's own: it would route through reject().
    event->accept();
    FormClose();
}

void RankingWindow::reject()
{
    // Escape does not close a ranking; its Esci button and close box do.
}
