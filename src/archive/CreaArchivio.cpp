#include "archive/CreaArchivio.h"

#include "archive/InstructionBanner.h"
#include "archive/catalogue.h"
#include "common/Fonts.h"
#include "common/ImageButton.h"
#include "common/Messages.h"
#include "common/TextPlate.h"
#include "common/text.h"
#include "editor/FieldHighlight.h"
#include "help/HelpActions.h"
#include "shell/AppContext.h"
#include "shell/Avvio.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TfrmCreaArchivio::TfrmCreaArchivio(AppContext &app)
    : FullScreenWindow(app, QStringLiteral("frmCreaArchivio"),
                       QStringLiteral(" Sintarel - Creazione nuova sessione"), QColor(0x42, 0x7A, 0xA8),
                       Qt::white)
{
    QWidget *p = panel();
    icoIstruzioni = new InstructionBanner(
        QStringLiteral("Creazione nuova sessione"),
        {QStringLiteral(
             "Indicare il nome della nuova sessione nella casella sottostante e fare clic su Applica "
             "e chiudi."),
         QStringLiteral(
             "Il nome attribuito apparirà nell'elenco visualizzato tramite il pulsante Apri sessione "
             "esistente."),
         QStringLiteral("Premere Annulla per uscire da questa schermata senza creare una nuova sessione.")},
        p);
    icoIstruzioni->setGeometry(60, 70, 875, 136);

    auto *caption = new QLabel(QStringLiteral("Nome della nuova sessione:"), p);
    caption->setFont(fonts::verdana(11, true));
    caption->setObjectName(QStringLiteral("lblNome"));
    textplate::put(caption, QColor(0x12, 0x35, 0x5B));
    caption->setGeometry(150, 300, 695, 24);

    txtFile = new QLineEdit(p);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setFont(fonts::verdana(16, true));
    txtFile->setMaxLength(250);
    txtFile->setGeometry(150, 328, 695, 46);
    txtFile->setAccessibleName(QStringLiteral("Nome della nuova sessione"));
    caption->setBuddy(txtFile);
    fieldhighlight::install(txtFile);
    txtFile->installEventFilter(this);

    btnAnnulla = new ImageButton(QStringLiteral("btnAnnulla"), p);
    btnAnnulla->setLook(ImageButton::Look::Bar);
    btnAnnulla->setWords(QStringLiteral("Annulla"));
    btnAnnulla->setGeometry(218, 560, 260, 54);

    btnApplica = new ImageButton(QStringLiteral("btnApplica"), p);
    btnApplica->setLook(ImageButton::Look::Bar);
    btnApplica->setWords(QStringLiteral("Applica e chiudi"));
    btnApplica->setGeometry(517, 560, 260, 54);

    imgGuida = new ImageButton(QStringLiteral("imgGuida"), p);
    imgGuida->setPicture(QStringLiteral(":/pictures/guida.svg"));
    imgGuida->setAccessibleName(QStringLiteral("Guida"));
    imgGuida->setGeometry(943, 10, 42, 42);

    lblFile = new QLabel(p);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    setTabOrder(txtFile, btnApplica);
    setTabOrder(btnApplica, btnAnnulla);

    connect(btnApplica, &ImageButton::clicked, this, &TfrmCreaArchivio::btnApplicaClick);
    connect(btnAnnulla, &ImageButton::clicked, this, &TfrmCreaArchivio::btnAnnullaClick);
    connect(imgGuida, &ImageButton::clicked, this, &TfrmCreaArchivio::imgGuidaClick);
    imgGuida->addShortcut(Qt::Key_F1);
}

void TfrmCreaArchivio::FormShow()
{
    txtFile->clear();
    txtFile->setFocus();
}

bool TfrmCreaArchivio::eventFilter(QObject *watched, QEvent *event)
{
    // txtFileKeyDown: characters a file name cannot hold are not typed. Pasted
    // text is checked when the session is created.
    if (watched == txtFile && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (typed.size() == 1 && catalogue::keyRefused(typed.at(0)))
            return true;
    }
    return FullScreenWindow::eventFilter(watched, event);
}

void TfrmCreaArchivio::btnApplicaClick()
{
    Messages &messages = app().messages();
    lblFile->clear();
    const QString name = text::trimmed(txtFile->text());
    const catalogue::NameProblem problem = catalogue::checkName(app().programFolder(), name);
    if (problem == catalogue::NameProblem::Empty) {
        messages.warning(
            this, QStringLiteral("Attenzione: per creare la nuova sessione è necessario indicarne il nome."));
        txtFile->setFocus();
        return;
    }
    if (problem != catalogue::NameProblem::None) {
        // A pasted name that is no plain file name: nothing is created anywhere.
        messages.warning(this, catalogue::problemText(problem));
        txtFile->setFocus();
        return;
    }
    lblFile->setText(catalogue::sessionPath(app().programFolder(), name + catalogue::extension()));
    if (catalogue::sessionExists(app().programFolder(), name)) {
        messages.warning(
            this, QStringLiteral("Attenzione: il nome della sessione indicato è già stato utilizzato in "
                                 "precedenza.\r\n\r\nInserire un nome diverso oppure, se si desidera "
                                 "aprire una sessione già creata, premere il pulsante Apri sessione "
                                 "esistente."));
        return;
    }
    // A failure here reaches the general error report; the window stays open.
    catalogue::createSession(lblFile->text());
    messages.information(this,
                         QStringLiteral("Il file di archivio relativo alla nuova sessione è stato creato con "
                                        "successo.\r\n\r\nE' ora possibile visualizzarlo nell'elenco delle "
                                        "sessioni esistenti."));
    close();
}

void TfrmCreaArchivio::btnAnnullaClick()
{
    close();
}

void TfrmCreaArchivio::imgGuidaClick()
{
    help::openTopic(app(), this, QStringLiteral("Gestione sessioni d'esame"));
}

void TfrmCreaArchivio::FormClose()
{
    app().frmAvvio()->showWindow();
    hide();
}
