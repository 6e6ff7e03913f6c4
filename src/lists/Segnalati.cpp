#include "lists/Segnalati.h"

#include "common/BusyCursor.h"
#include "common/SvgPicture.h"
#include "common/text.h"
#include "editor/Torneo.h"
#include "lists/CandidateListView.h"
#include "lists/ListLook.h"
#include "lists/candidatelist.h"
#include "printouts/ListPrint.h"
#include "printouts/listprintout.h"
#include "shell/AppContext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmSegnalati::TfrmSegnalati(AppContext &app, QWidget *parent)
    : DialogWindow(app, QStringLiteral("frmSegnalati"), QStringLiteral(" Elenco candidati idonei"),
                   QSize(862, 560), QColor(0x46, 0x82, 0xB4), Qt::white, parent)
{
    imgLogo = listlook::picture(this, "imgLogo", "lists_idonei", QRect(16, 8, 830, 70),
                                QStringLiteral("Elenco candidati idonei"));
    icoIstruzioni = listlook::instructions(this, "icoIstruzioni", QRect(16, 84, 520, 56));
    // The find row on its own line: its field shows some forty characters.
    listlook::findRow(this, QRect(16, 148, 830, 36), &imgLente, &txtTrova, &btnTrova);
    lstRecords = new CandidateListView(QStringLiteral("lstRecords"), this);
    lstRecords->setGeometry(16, 192, 830, 276);
    lblRigo03 = listlook::caption(
        this, "lblRigo03", QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"),
        QColor(0xDC, 0x14, 0x3C), QRect(16, 474, 830, 22));
    btnChiudi = listlook::button(this, "btnChiudi", QStringLiteral("Chiudi"), QRect(40, 508, 180, 40));
    btnStampa = listlook::button(this, "btnStampa", QStringLiteral("Stampa"), QRect(642, 508, 180, 40));
    txtTrova->installEventFilter(this);
    connect(btnTrova, &QPushButton::clicked, this, &TfrmSegnalati::btnTrovaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSegnalati::close);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmSegnalati::btnStampaClick);
    connect(lstRecords, &CandidateListView::recallRequested, this, &TfrmSegnalati::lstRecordsDblClick);
    setWidest(listlook::widestFor(width(), lstRecords));
    anchors().anchor(imgLogo, WidthAnchors::Anchor::Centre);
    for (QWidget *w : {static_cast<QWidget *>(lstRecords), static_cast<QWidget *>(lblRigo03)})
        anchors().anchor(w, WidthAnchors::Anchor::Stretch);
    for (QWidget *w : {static_cast<QWidget *>(imgLente), static_cast<QWidget *>(txtTrova),
                       static_cast<QWidget *>(btnTrova), static_cast<QWidget *>(btnStampa)})
        anchors().anchor(w, WidthAnchors::Anchor::Right);
}

void TfrmSegnalati::FormShow()
{
    m_remembered.clear();
    txtTrova->clear();
    {
        const BusyCursor busy;
        // A reading failure is silent: what was read stays listed.
        lstRecords->setList(candidatelist::eligible(text::trimmed(app().frmTorneo()->lblFile->text())));
    }
    txtTrova->setFocus();
}

void TfrmSegnalati::FormClose()
{
    lstRecords->clearList();
}

bool TfrmSegnalati::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtTrova && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnTrova->setFocus();
            return true;
        }
    }
    return DialogWindow::eventFilter(watched, event);
}

void TfrmSegnalati::btnTrovaClick()
{
    lstRecords->find(app(), this, txtTrova->text(), m_remembered);
}

void TfrmSegnalati::btnStampaClick()
{
    listprint::printList(app(), this, listprint::eligibleReportName(),
                         QStringLiteral("Elenco candidati idonei ") +
                             text::trimmed(app().frmTorneo()->lblNome->text()),
                         lstRecords->lines());
}

void TfrmSegnalati::lstRecordsDblClick()
{
    // Annulla to the question on the editor's unsaved edits stays in the list.
    if (lstRecords->recallSelected(app(), true) == CandidateListView::Recall::Kept)
        return;
    close();
}
