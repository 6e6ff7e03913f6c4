#include "archive/CreaArchivio.h"

#include "common/ImageButton.h"
#include "shell/AppContext.h"
#include "shell/Avvio.h"

#include <QLabel>

TfrmCreaArchivio::TfrmCreaArchivio(AppContext &app)
    : FullScreenWindow(app, QStringLiteral("frmCreaArchivio"),
                       QStringLiteral(" Sintarel - Creazione nuova sessione"), QColor(0x42, 0x7A, 0xA8),
                       Qt::white)
{
    btnAnnulla = new ImageButton(QStringLiteral("btnAnnulla"), panel());
    btnAnnulla->setLook(ImageButton::Look::Bar);
    btnAnnulla->setWords(QStringLiteral("Annulla"));
    btnAnnulla->setGeometry(517, 560, 260, 54);

    lblFile = new QLabel(panel());
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    connect(btnAnnulla, &ImageButton::clicked, this, &TfrmCreaArchivio::btnAnnullaClick);
}

void TfrmCreaArchivio::btnAnnullaClick()
{
    close();
}

void TfrmCreaArchivio::FormClose()
{
    app().frmAvvio()->showWindow();
    hide();
}
