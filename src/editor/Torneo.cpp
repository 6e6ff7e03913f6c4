#include "editor/Torneo.h"

#include "common/Fonts.h"
#include "common/ImageButton.h"
#include "shell/AppContext.h"
#include "shell/Avvio.h"

#include <QLabel>

TfrmTorneo::TfrmTorneo(AppContext &app)
    : FullScreenWindow(app, QStringLiteral("frmTorneo"), QStringLiteral(" Sintarel - Gestione sessione"),
                       QColor(0x42, 0x7A, 0xA8), Qt::white)
{
    setPanelSize(QSize(994, 692));
    QWidget *p = panel();

    cmdEsci = new ImageButton(QStringLiteral("cmdEsci"), p);
    cmdEsci->setPicture(QStringLiteral(":/pictures/esci.svg"));
    cmdEsci->setAccessibleName(QStringLiteral("Esci"));
    cmdEsci->setGeometry(940, 6, 48, 48);

    lblPosizione = new QLabel(p);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFont(fonts::verdana(12, true));
    lblPosizione->setGeometry(560, 14, 60, 30);

    lblNome = new QLabel(QStringLiteral("Nome Sessione"), p);
    lblNome->setObjectName(QStringLiteral("lblNome"));
    lblNome->setAlignment(Qt::AlignCenter);
    lblNome->setFont(fonts::verdana(14, true));
    lblNome->setStyleSheet(QStringLiteral("color: yellow; background-color: #1F4E8C;"));
    lblNome->setGeometry(0, 62, 994, 34);

    lblFile = new QLabel(p);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    connect(cmdEsci, &ImageButton::clicked, this, &TfrmTorneo::cmdEsciClick);
}

void TfrmTorneo::cmdEsciClick()
{
    close();
}

void TfrmTorneo::FormClose()
{
    app().frmAvvio()->showWindow();
    hide();
}
