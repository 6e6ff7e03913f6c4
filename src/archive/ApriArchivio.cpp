#include "archive/ApriArchivio.h"

#include "archive/ImportActions.h"
#include "archive/InstructionBanner.h"
#include "archive/SessionList.h"
#include "archive/catalogue.h"
#include "common/Fonts.h"
#include "common/ImageButton.h"
#include "common/Messages.h"
#include "common/PushButton.h"
#include "common/TextPlate.h"
#include "common/text.h"
#include "editor/Torneo.h"
#include "help/HelpActions.h"
#include "shell/AppContext.h"
#include "shell/Avvio.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TfrmApriArchivio::TfrmApriArchivio(AppContext &app)
    : FullScreenWindow(app, QStringLiteral("frmApriArchivio"),
                       QStringLiteral(" Sintarel - Apertura sessione"), QColor(0x42, 0x7A, 0xA8), Qt::white)
{
    QWidget *p = panel();
    icoIstruzioni = new InstructionBanner(
        QStringLiteral("Apertura sessione"),
        {QStringLiteral(
             "Selezionare la sessione nell'elenco sottostante e premere il pulsante Apri archivio."),
         QStringLiteral("Fare clic sull'icona del cestino per eliminare la sessione selezionata."),
         QStringLiteral("Premere Annulla per uscire da questa schermata senza aprire una sessione.")},
        p);
    icoIstruzioni->setGeometry(60, 20, 875, 136);

    panFiles = new QFrame(p);
    panFiles->setObjectName(QStringLiteral("panFiles"));
    panFiles->setStyleSheet(
        QStringLiteral("QFrame#panFiles { background-color: #FFEBCD; border: 1px solid #C8A878; "
                       "border-radius: 8px; }"));
    panFiles->setGeometry(140, 210, 715, 310);
    lstFiles = makeSessionListBox(p);
    lstFiles->setGeometry(150, 220, 695, 290);

    btnElimina = new ImageButton(QStringLiteral("btnElimina"), p);
    btnElimina->setPicture(QStringLiteral(":/pictures/archivio_cestino.svg"));
    btnElimina->setAccessibleName(QStringLiteral("Elimina sessione"));
    btnElimina->setAccessibleDescription(QStringLiteral("Elimina la sessione selezionata"));
    btnElimina->setGeometry(805, 166, 40, 40);

    imgGuida = new ImageButton(QStringLiteral("imgGuida"), p);
    imgGuida->setPicture(QStringLiteral(":/pictures/guida.svg"));
    imgGuida->setAccessibleName(QStringLiteral("Guida"));
    imgGuida->setGeometry(943, 640, 42, 42);

    lblCreati = new QLabel(QStringLiteral("Sono state create 0 sessioni."), p);
    lblCreati->setObjectName(QStringLiteral("lblCreati"));
    lblCreati->setFont(fonts::verdana(12));
    textplate::put(lblCreati, Qt::darkGreen);
    lblCreati->setGeometry(150, 526, 695, 26);

    btnAnnulla = new ImageButton(QStringLiteral("btnAnnulla"), p);
    btnAnnulla->setLook(ImageButton::Look::Bar);
    btnAnnulla->setWords(QStringLiteral("Annulla"));
    btnAnnulla->setGeometry(218, 570, 260, 54);

    btnApri = new ImageButton(QStringLiteral("btnApri"), p);
    btnApri->setLook(ImageButton::Look::Bar);
    btnApri->setWords(QStringLiteral("Apri archivio"));
    btnApri->setGeometry(517, 570, 260, 54);

    cmdImporta = makePushButton(p, QStringLiteral("cmdImporta"), QStringLiteral("Importa candidati"),
                                QRect(150, 170, 200, 32));

    lblFile = new QLabel(p);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    lblMemory = new QLabel(QStringLiteral("avvio"), p);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    connect(btnApri, &ImageButton::clicked, this, &TfrmApriArchivio::btnApriClick);
    connect(btnAnnulla, &ImageButton::clicked, this, &TfrmApriArchivio::btnAnnullaClick);
    connect(btnElimina, &ImageButton::clicked, this, &TfrmApriArchivio::btnEliminaClick);
    connect(imgGuida, &ImageButton::clicked, this, &TfrmApriArchivio::imgGuidaClick);
    imgGuida->addShortcut(Qt::Key_F1);
    connect(cmdImporta, &QPushButton::clicked, this, &TfrmApriArchivio::cmdImportaClick);
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

QListWidgetItem *TfrmApriArchivio::chosenEntry(const QString &noSelectionWarning)
{
    if (lstFiles->count() == 0) {
        app().messages().warning(this, QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione."));
        return nullptr;
    }
    QListWidgetItem *item = selectedEntry(lstFiles);
    if (!item)
        app().messages().warning(this, noSelectionWarning);
    return item;
}

void TfrmApriArchivio::btnApriClick()
{
    QListWidgetItem *item = chosenEntry(
        QStringLiteral("Attenzione: selezionare la sessione dall'elenco prima di premere il pulsante "
                       "Apri archivio."));
    if (!item)
        return;
    lblFile->setText(catalogue::sessionPath(app().programFolder(), item->text()));
    lblMemory->setText(QStringLiteral("password"));
    close();
}

void TfrmApriArchivio::btnEliminaClick()
{
    Messages &messages = app().messages();
    QListWidgetItem *item =
        chosenEntry(QStringLiteral("Attenzione: selezionare dall'elenco la sessione da "
                                   "eliminare prima di premere il pulsante del cestino."));
    if (!item)
        return;
    if (!messages.confirm(
            this, QStringLiteral("Si sta per eliminare la sessione selezionata. Si ricorda che il file "
                                 "eliminato non potrà essere recuperato.\r\n\r\nSi conferma "
                                 "l'eliminazione dell'archivio?")))
        return;
    lblFile->setText(catalogue::sessionPath(app().programFolder(), item->text()));
    if (catalogue::deleteSession(lblFile->text()))
        messages.information(this, QStringLiteral("La sessione è stata eliminata con successo."));
    else
        messages.warning(this,
                         QStringLiteral("Attenzione: non è stato possibile eliminare la sessione "
                                        "selezionata.\r\n\r\nAccertarsi che il file non sia in uso e di "
                                        "possedere i privilegi di scrittura nella cartella di installazione "
                                        "del programma."));
    lblMemory->setText(QStringLiteral("avvio"));
    lblFile->clear();
    fillList();
}

void TfrmApriArchivio::imgGuidaClick()
{
    help::openTopic(app(), this, QStringLiteral("Gestione sessioni d'esame"));
}

void TfrmApriArchivio::cmdImportaClick()
{
    QListWidgetItem *item = chosenEntry(
        QStringLiteral("Attenzione: selezionare la sessione dall'elenco prima di premere il pulsante "
                       "Importa candidati."));
    if (!item)
        return;
    importing::importCandidates(app(), this, catalogue::sessionPath(app().programFolder(), item->text()),
                                catalogue::sessionName(item->text()));
}

void TfrmApriArchivio::btnAnnullaClick()
{
    close();
}

void TfrmApriArchivio::FormClose()
{
    const QString tag = text::trimmed(lblMemory->text());
    if (tag == QLatin1String("password")) {
        QListWidgetItem *item = selectedEntry(lstFiles);
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
