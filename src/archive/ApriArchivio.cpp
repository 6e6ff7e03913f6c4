#include "archive/ApriArchivio.h"

#include "archive/SessionList.h"
#include "archive/catalogue.h"
#include "common/Fonts.h"
#include "common/ImageButton.h"
#include "common/Messages.h"
#include "common/text.h"
#include "editor/Torneo.h"
#include "shell/AppContext.h"
#include "shell/Avvio.h"

#include <QLabel>
#include <QListWidget>

TfrmApriArchivio::TfrmApriArchivio(AppContext &app)
    : FullScreenWindow(app, QStringLiteral("frmApriArchivio"),
                       QStringLiteral(" Sintarel - Apertura sessione"), QColor(0x42, 0x7A, 0xA8), Qt::white)
{
    QWidget *p = panel();
    lstFiles = makeSessionListBox(p);
    lstFiles->setGeometry(150, 170, 695, 340);

    lblCreati = new QLabel(QStringLiteral("Sono state create 0 sessioni."), p);
    lblCreati->setObjectName(QStringLiteral("lblCreati"));
    lblCreati->setFont(fonts::verdana(12));
    lblCreati->setStyleSheet(QStringLiteral("color: green;"));
    lblCreati->setGeometry(150, 516, 695, 26);

    btnAnnulla = new ImageButton(QStringLiteral("btnAnnulla"), p);
    btnAnnulla->setLook(ImageButton::Look::Bar);
    btnAnnulla->setWords(QStringLiteral("Annulla"));
    btnAnnulla->setGeometry(218, 570, 260, 54);

    btnApri = new ImageButton(QStringLiteral("btnApri"), p);
    btnApri->setLook(ImageButton::Look::Bar);
    btnApri->setWords(QStringLiteral("Apri archivio"));
    btnApri->setGeometry(517, 570, 260, 54);

    lblFile = new QLabel(p);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    lblMemory = new QLabel(QStringLiteral("avvio"), p);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    connect(btnApri, &ImageButton::clicked, this, &TfrmApriArchivio::btnApriClick);
    connect(btnAnnulla, &ImageButton::clicked, this, &TfrmApriArchivio::btnAnnullaClick);
}

void TfrmApriArchivio::fillList()
{
    fillSessionList(lstFiles, lblCreati, app().programFolder());
}

void TfrmApriArchivio::FormShow()
{
    lblMemory->setText(QStringLiteral("avvio"));
    lblFile->setText(app().programFolder());
    fillList();
}

void TfrmApriArchivio::btnApriClick()
{
    if (lstFiles->count() == 0) {
        app().messages().warning(this, QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione."));
        return;
    }
    QListWidgetItem *item = lstFiles->currentItem();
    if (!item || !item->isSelected()) {
        app().messages().warning(
            this,
            QStringLiteral("Attenzione: selezionare la sessione dall'elenco prima di premere il pulsante "
                           "Apri archivio."));
        return;
    }
    lblFile->setText(catalogue::sessionPath(app().programFolder(), item->text()));
    lblMemory->setText(QStringLiteral("password"));
    close();
}

void TfrmApriArchivio::btnAnnullaClick()
{
    close();
}

void TfrmApriArchivio::FormClose()
{
    const QString tag = text::trimmed(lblMemory->text());
    if (tag == QLatin1String("password")) {
        QListWidgetItem *item = lstFiles->currentItem();
        if (item) {
            lblFile->setText(catalogue::sessionPath(app().programFolder(), item->text()));
            TfrmTorneo *editor = app().frmTorneo();
            editor->lblFile->setText(text::trimmed(lblFile->text()));
            editor->lblNome->setText(catalogue::sessionName(item->text()));
            editor->showWindow();
            hide();
            return;
        }
    }
    // "avvio", and anything else: back to the start screen.
    app().frmAvvio()->showWindow();
    hide();
}
