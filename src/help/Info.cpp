#include "help/Info.h"

#include "common/Fonts.h"
#include "common/ImageButton.h"
#include "common/SvgPicture.h"
#include "help/HelpLook.h"
#include "help/TextLink.h"
#include "help/maker.h"
#include "help/openurl.h"
#include "shell/AppContext.h"

#include <QLabel>
#include <QPushButton>

TfrmInfo::TfrmInfo(AppContext &app, QWidget *parent)
    : DialogWindow(app, QStringLiteral("frmInfo"), QStringLiteral(" Informazioni su Sintarel"),
                   QSize(473, 579), QColor(0x46, 0x82, 0xB4), Qt::white, parent)
{
    bkgLogo = helplook::whiteBand(this, QRect(0, 0, 473, 96));
    imgLogo =
        new SvgPicture(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/help_banner.svg"), bkgLogo);
    imgLogo->setGeometry(10, 8, 453, 80);
    imgLogo->setAccessibleName(QStringLiteral("Sintarel"));

    lblInformazioni = new QLabel(this);
    lblInformazioni->setObjectName(QStringLiteral("lblInformazioni"));
    lblInformazioni->setTextFormat(Qt::RichText);
    lblInformazioni->setWordWrap(true);
    lblInformazioni->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblInformazioni->setFont(fonts::verdana(10));
    lblInformazioni->setStyleSheet(
        QStringLiteral("QLabel#lblInformazioni { background: rgba(255, 255, 255, 215);"
                       " border: 1px solid #87A8C8; border-radius: 10px;"
                       " padding: 14px; color: #12304F; }"));
    lblInformazioni->setText(
        QStringLiteral(
            "<p style='font-size:20pt; font-weight:bold;'>Sintarel</p>"
            "<p>Versione %1</p>"
            "<p>Gestione dei candidati e delle sessioni d'esame, registrazione delle prove sostenute "
            "e dei punteggi conseguiti, stampa delle graduatorie di merito e alfabetiche.</p>"
            "<p>Il programma conserva ogni dato nella propria cartella: per farne una copia di "
            "sicurezza basta copiare la cartella su un altro disco o su una chiavetta USB.</p>"
            "<p>Realizzato dal %2.</p>"
            "<p>Per informazioni, suggerimenti e assistenza scrivete all'indirizzo qui sotto.</p>")
            .arg(maker::version(), maker::name()));
    lblInformazioni->setGeometry(24, 112, 425, 390);

    imgEmail = new ImageButton(QStringLiteral("imgEmail"), this);
    imgEmail->setPicture(QStringLiteral(":/pictures/help_email.svg"));
    imgEmail->setAccessibleName(QStringLiteral("Scrivi al produttore"));
    imgEmail->setFocusPolicy(Qt::NoFocus); // the link next to it takes the keyboard
    imgEmail->setGeometry(16, 528, 40, 30);

    lnkWeb = new TextLink(QStringLiteral("lnkWeb"), maker::emailAddress(), this);
    lnkWeb->setGeometry(62, 526, 290, 32);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setFont(fonts::verdana(12));
    btnChiudi->setGeometry(363, 522, 96, 38);
    btnChiudi->setDefault(true);

    setTabOrder(lnkWeb, btnChiudi);

    connect(lnkWeb, &TextLink::mouseDown, this, &TfrmInfo::lnkWebMouseDown);
    connect(lnkWeb, &TextLink::mouseUp, this, &TfrmInfo::lnkWebMouseUp);
    connect(lnkWeb, &TextLink::clicked, this, &TfrmInfo::lnkWebClick);
    connect(imgEmail, &ImageButton::pressed, this, &TfrmInfo::lnkWebMouseDown);
    connect(imgEmail, &ImageButton::released, this, &TfrmInfo::lnkWebMouseUp);
    connect(imgEmail, &ImageButton::clicked, this, &TfrmInfo::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);
}

void TfrmInfo::FormShow()
{
    helplook::centreOnScreen(this);
    btnChiudi->setFocus();
}

void TfrmInfo::lnkWebMouseDown()
{
    lnkWeb->setColor(TextLink::kOrange);
}

void TfrmInfo::lnkWebMouseUp()
{
    lnkWeb->setColor(TextLink::kDarkBlue);
}

void TfrmInfo::lnkWebClick()
{
    lnkWeb->setColor(TextLink::kDarkBlue);
    TMisc::Open(app().shell(), helplinks::mailCommand(maker::emailAddress()));
}

void TfrmInfo::btnChiudiClick()
{
    close();
}
