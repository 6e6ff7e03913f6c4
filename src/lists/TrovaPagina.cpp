#include "lists/TrovaPagina.h"

#include "common/BusyCursor.h"
#include "common/DataLabel.h"
#include "common/FocusWatcher.h"
#include "common/Fonts.h"
#include "common/Messages.h"
#include "common/SvgPicture.h"
#include "common/TextPlate.h"
#include "common/text.h"
#include "editor/Torneo.h"
#include "lists/CandidateListView.h"
#include "lists/ListLook.h"
#include "lists/candidatelist.h"
#include "lists/filtermatch.h"
#include "printouts/ListPrint.h"
#include "printouts/listprintout.h"
#include "shell/AppContext.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace
{
const QString kAccesso = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.") +
                         QStringLiteral("\n\r\n\r") +
                         QStringLiteral("Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                        "installazione del programma.");
} // namespace

TfrmTrovaPagina::TfrmTrovaPagina(AppContext &app, QWidget *parent)
    : DialogWindow(app, QStringLiteral("frmTrovaPagina"), QStringLiteral(" Trova candidati in archivio"),
                   QSize(862, 560), QColor(0x46, 0x82, 0xB4), Qt::white, parent)
{
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
    lblConta = new QLabel(this);
    lblConta->setObjectName(QStringLiteral("lblConta"));
    lblConta->hide();
    buildFilters();
    buildResults();
    panContainer->hide();
    anchors().anchor(panAvvio, WidthAnchors::Anchor::Centre);
    anchors().anchor(panContainer, WidthAnchors::Anchor::Stretch);
    anchors().anchor(imgLogo, WidthAnchors::Anchor::Centre);
    for (QWidget *w : {static_cast<QWidget *>(lstRecords), static_cast<QWidget *>(lblRigo03),
                       static_cast<QWidget *>(lblTrovate)})
        anchors().anchor(w, WidthAnchors::Anchor::Stretch);
    for (QWidget *w : {static_cast<QWidget *>(imgLente), static_cast<QWidget *>(txtTrova),
                       static_cast<QWidget *>(btnTrova), static_cast<QWidget *>(btnStampa)})
        anchors().anchor(w, WidthAnchors::Anchor::Right);
    setWidest(listlook::widestFor(width(), lstRecords));
}

void TfrmTrovaPagina::buildFilters()
{
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setGeometry(0, 0, 862, 560);

    imgSpiega =
        listlook::picture(panAvvio, "imgSpiega", "lists_spiega", QRect(16, 12, 600, 110),
                          QStringLiteral("Digitare una o più parole consecutive presenti nelle schede da "
                                         "trovare nei campi desiderati e premere Cerca. Lasciare vuoti gli "
                                         "altri campi. In una ricerca si possono usare quanti campi si "
                                         "desidera."));
    icoTrova02 = listlook::picture(panAvvio, "icoTrova02", "lists_foglio", QRect(640, 12, 206, 110),
                                   QStringLiteral("Foglio delle risposte"));

    struct Def {
        const char *name;
        const char *caption;
        int column, row;
        QLineEdit **field;
        QFrame **eff;
    };
    const Def defs[] = {
        {"Concorrente", "Candidato:", 0, 0, &txtConcorrente, &effConcorrente},
        {"Responsabile", "Codice fiscale:", 1, 0, &txtResponsabile, &effResponsabile},
        {"Telefono", "Provenienza:", 0, 1, &txtTelefono, &effTelefono},
        {"Email", "Data esame (gg/mm/aaaa):", 1, 1, &txtEmail, &effEmail},
        {"Gare", "Dettagli esame:", 0, 2, &txtGare, &effGare},
        {"Note", "Note:", 1, 2, &txtNote, &effNote},
    };
    for (const Def &d : defs) {
        const int x = 40 + d.column * 400;
        const int y = 150 + d.row * 90;
        auto *caption = new QLabel(QString::fromUtf8(d.caption), panAvvio);
        caption->setObjectName(QStringLiteral("lbl") + QLatin1String(d.name));
        caption->setFont(fonts::verdana(10, true));
        caption->setGeometry(x, y, 380, 22);
        *d.eff = new QFrame(panAvvio);
        (*d.eff)->setObjectName(QStringLiteral("eff") + QLatin1String(d.name));
        (*d.eff)->setStyleSheet(QStringLiteral("background-color: yellow;"));
        (*d.eff)->setGeometry(x - 4, y + 22, 370 + 8, 34 + 8);
        (*d.eff)->hide();
        *d.field = new QLineEdit(panAvvio);
        (*d.field)->setObjectName(QStringLiteral("txt") + QLatin1String(d.name));
        (*d.field)->setFont(fonts::verdana(12, true));
        (*d.field)->setGeometry(x, y + 26, 370, 34);
        (*d.field)->setAccessibleName(QString::fromUtf8(d.caption).chopped(1));
        caption->setBuddy(*d.field);
        // The frame may go first when the window is destroyed while a field has the focus.
        QPointer<QFrame> eff = *d.eff;
        FocusWatcher::watch(
            *d.field,
            [eff] {
                if (eff)
                    eff->show();
            },
            [eff] {
                if (eff)
                    eff->hide();
            });
        (*d.field)->installEventFilter(this);
    }
    // Tab order: the order of the record's fields.
    const auto f = filters();
    for (size_t i = 0; i + 1 < f.size(); ++i)
        setTabOrder(f[i], f[i + 1]);

    lblAttendere = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panAvvio);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->setFont(fonts::verdana(11, true));
    textplate::put(lblAttendere, QColor(0x00, 0x8B, 0x8B));
    lblAttendere->setAlignment(Qt::AlignCenter);
    lblAttendere->setGeometry(40, 430, 782, 24);
    lblAttendere->hide();
    datalabel::expose(lblAttendere);

    btnAnnulla = listlook::button(panAvvio, "btnAnnulla", QStringLiteral("Chiudi"), QRect(40, 480, 180, 40));
    btnCerca = listlook::button(panAvvio, "btnCerca", QStringLiteral("Cerca"), QRect(642, 480, 180, 40));
    setTabOrder(txtNote, btnAnnulla);
    setTabOrder(btnAnnulla, btnCerca);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmTrovaPagina::close);
    connect(btnCerca, &QPushButton::pressed, this, &TfrmTrovaPagina::btnCercaMouseDown);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaPagina::btnCercaClick);
}

void TfrmTrovaPagina::buildResults()
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(0, 0, 862, 560);
    imgLogo = listlook::picture(panContainer, "imgLogo", "lists_risultati", QRect(16, 8, 830, 70),
                                QStringLiteral("Risultati di ricerca"));
    icoIstruzioni01 = listlook::instructions(panContainer, "icoIstruzioni01", QRect(16, 84, 520, 56));
    // The find row on its own line: its field shows some forty characters.
    listlook::findRow(panContainer, QRect(16, 148, 830, 36), &imgLente, &txtTrova, &btnTrova);
    lstRecords = new CandidateListView(QStringLiteral("lstRecords"), panContainer);
    lstRecords->setGeometry(16, 192, 830, 256);
    lblRigo03 =
        listlook::caption(panContainer, "lblRigo03",
                          QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"),
                          QColor(0xDC, 0x14, 0x3C), QRect(16, 452, 830, 22));
    lblTrovate = listlook::caption(panContainer, "lblTrovate",
                                   QStringLiteral("Il presente riepilogo contiene 0 schede"),
                                   QColor(0x00, 0x8B, 0x8B), QRect(16, 476, 830, 22));
    datalabel::expose(lblTrovate);
    btnChiudi =
        listlook::button(panContainer, "btnChiudi", QStringLiteral("Chiudi"), QRect(40, 508, 180, 40));
    btnStampa =
        listlook::button(panContainer, "btnStampa", QStringLiteral("Stampa"), QRect(642, 508, 180, 40));
    txtTrova->installEventFilter(this);
    connect(btnTrova, &QPushButton::clicked, this, &TfrmTrovaPagina::btnTrovaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmTrovaPagina::close);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmTrovaPagina::btnStampaClick);
    connect(lstRecords, &CandidateListView::recallRequested, this, &TfrmTrovaPagina::lstRecordsDblClick);
}

std::array<QLineEdit *, 6> TfrmTrovaPagina::filters() const
{
    return {txtConcorrente, txtResponsabile, txtTelefono, txtEmail, txtGare, txtNote};
}

void TfrmTrovaPagina::FormShow()
{
    m_remembered.clear();
    txtTrova->clear();
    txtConcorrente->setFocus();
}

void TfrmTrovaPagina::FormClose()
{
    lstRecords->clearList();
    lblAttendere->hide();
}

bool TfrmTrovaPagina::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == txtTrova) {
                btnTrova->setFocus();
                return true;
            }
            // Enter walks the filters in a ring.
            const auto f = filters();
            for (size_t i = 0; i < f.size(); ++i) {
                if (watched == f[i]) {
                    f[(i + 1) % f.size()]->setFocus();
                    return true;
                }
            }
        }
    }
    return DialogWindow::eventFilter(watched, event);
}

void TfrmTrovaPagina::btnCercaMouseDown()
{
    lblAttendere->show();
    lblAttendere->repaint();
}

void TfrmTrovaPagina::btnCercaClick()
{
    std::array<QString, 6> texts;
    const auto f = filters();
    for (size_t i = 0; i < f.size(); ++i)
        texts[i] = f[i]->text();
    const SearchFilters searchFilters(texts);
    lblConta->setText(QString::number(searchFilters.activeCount()));
    candidatelist::List found;
    {
        const BusyCursor busy;
        found = candidatelist::search(text::trimmed(app().frmTorneo()->lblFile->text()), searchFilters);
    }
    if (!found.complete) {
        lblAttendere->hide();
        app().messages().plain(this, kAccesso);
        return;
    }
    lstRecords->setList(std::move(found));
    lblTrovate->setText(QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lstRecords->count()));
    panContainer->show();
    panAvvio->hide();
    txtTrova->clear();
    txtTrova->setFocus();
}

void TfrmTrovaPagina::btnTrovaClick()
{
    lstRecords->find(app(), this, txtTrova->text(), m_remembered);
}

void TfrmTrovaPagina::btnStampaClick()
{
    listprint::printList(app(), this, listprint::searchReportName(),
                         QStringLiteral("Riepilogo candidati esaminati"), lstRecords->lines());
}

void TfrmTrovaPagina::lstRecordsDblClick()
{
    const bool load = text::trimmed(lblMemory->text()) == QLatin1String("torneo");
    // Annulla to the question on the editor's unsaved edits stays in the list.
    if (lstRecords->recallSelected(app(), load) == CandidateListView::Recall::Kept)
        return;
    close();
}
