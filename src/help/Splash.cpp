#include "help/Splash.h"

#include "common/Fonts.h"
#include "common/ImageButton.h"
#include "common/SvgPicture.h"
#include "help/HelpLook.h"
#include "help/TextLink.h"
#include "help/maker.h"
#include "help/openurl.h"
#include "shell/AppContext.h"

#include <QPushButton>

TfrmSplash::TfrmSplash(AppContext &app, QWidget *parent)
    : DialogWindow(app, QStringLiteral("frmSplash"), QStringLiteral(" Sintarel - ") + maker::notice(),
                   QSize(661, 467), Qt::white, QColor(0x35, 0x25, 0x25), parent)
{
    imgLogo = new SvgPicture(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/help_splash.svg"), this);
    imgLogo->setGeometry(18, 12, 625, 380);
    imgLogo->setAccessibleName(QStringLiteral("Sintarel"));

    // The dark foot of the background would swallow a dark-blue link: it sits
    // on a pale plate of its own.
    shpWeb = new QWidget(this);
    shpWeb->setObjectName(QStringLiteral("shpWeb"));
    shpWeb->setAttribute(Qt::WA_StyledBackground);
    shpWeb->setStyleSheet(QStringLiteral("QWidget#shpWeb { background: rgba(255, 255, 255, 225);"
                                         " border-radius: 8px; }"));
    shpWeb->setGeometry(14, 408, 340, 46);

    imgWeb = new ImageButton(QStringLiteral("imgWeb"), this);
    imgWeb->setPicture(QStringLiteral(":/pictures/help_globe.svg"));
    imgWeb->setAccessibleName(QStringLiteral("Sito web del produttore"));
    imgWeb->setFocusPolicy(Qt::NoFocus); // the link next to it takes the keyboard
    imgWeb->setGeometry(22, 413, 36, 36);

    lnkWeb = new TextLink(QStringLiteral("lnkWeb"), maker::webAddressShown(), this);
    lnkWeb->setGeometry(66, 415, 284, 32);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setFont(fonts::verdana(10));
    btnChiudi->setGeometry(543, 412, 100, 38);
    btnChiudi->setDefault(true);

    setTabOrder(lnkWeb, btnChiudi);

    connect(lnkWeb, &TextLink::mouseDown, this, &TfrmSplash::lnkWebMouseDown);
    connect(lnkWeb, &TextLink::mouseUp, this, &TfrmSplash::lnkWebMouseUp);
    connect(lnkWeb, &TextLink::clicked, this, &TfrmSplash::lnkWebClick);
    connect(imgWeb, &ImageButton::pressed, this, &TfrmSplash::lnkWebMouseDown);
    connect(imgWeb, &ImageButton::released, this, &TfrmSplash::lnkWebMouseUp);
    connect(imgWeb, &ImageButton::clicked, this, &TfrmSplash::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
}

void TfrmSplash::FormShow()
{
    helplook::centreOnOwner(this);
    btnChiudi->setFocus();
}

void TfrmSplash::lnkWebMouseDown()
{
    lnkWeb->setColor(TextLink::kOrange);
}

void TfrmSplash::lnkWebMouseUp()
{
    lnkWeb->setColor(TextLink::kDarkBlue);
}

void TfrmSplash::lnkWebClick()
{
    lnkWeb->setColor(TextLink::kDarkBlue);
    TMisc::Open(app().shell(), maker::webAddress());
}

void TfrmSplash::btnChiudiClick()
{
    close();
}
