#include "rankings/ApriClassifica.h"

#include "archive/SessionList.h"
#include "common/Fonts.h"
#include "common/ImageButton.h"
#include "shell/AppContext.h"
#include "shell/Avvio.h"

#include <QLabel>
#include <QListWidget>

TfrmApriClassifica::TfrmApriClassifica(AppContext &app)
    : FullScreenWindow(app, QStringLiteral("frmApriClassifica"),
                       QStringLiteral(" Sintarel - Visualizzazione graduatorie"), QColor(0x42, 0x7A, 0xA8),
                       Qt::white)
{
    QWidget *p = panel();
    lstFiles = makeSessionListBox(p);
    lstFiles->setGeometry(150, 190, 695, 320);

    lblCreati = new QLabel(QStringLiteral("Sono state create 0 sessioni."), p);
    lblCreati->setObjectName(QStringLiteral("lblCreati"));
    lblCreati->setFont(fonts::verdana(12));
    lblCreati->setStyleSheet(QStringLiteral("color: green;"));
    lblCreati->setGeometry(150, 516, 695, 26);

    btnAnnulla = new ImageButton(QStringLiteral("btnAnnulla"), p);
    btnAnnulla->setLook(ImageButton::Look::Bar);
    btnAnnulla->setWords(QStringLiteral("Annulla"));
    btnAnnulla->setGeometry(60, 570, 260, 54);

    lblFile = new QLabel(p);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    connect(btnAnnulla, &ImageButton::clicked, this, &TfrmApriClassifica::btnAnnullaClick);
}

void TfrmApriClassifica::FormShow()
{
    lblFile->clear();
    fillSessionList(lstFiles, lblCreati, app().programFolder());
}

void TfrmApriClassifica::btnAnnullaClick()
{
    close();
}

void TfrmApriClassifica::FormClose()
{
    app().frmAvvio()->showWindow();
    hide();
}
