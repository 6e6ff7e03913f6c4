#include "help/Guida.h"

#include "common/Fonts.h"
#include "common/ImageButton.h"
#include "common/SvgPicture.h"
#include "help/HelpLook.h"
#include "help/TextLink.h"
#include "help/openurl.h"
#include "shell/AppContext.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

TfrmGuida::TfrmGuida(AppContext &app, QWidget *parent)
    : DialogWindow(app, QStringLiteral("frmGuida"), QStringLiteral(" Guida all'utilizzo del software"),
                   QSize(670, 572), Qt::white, QColor(0xBF, 0xD8, 0xEF), parent)
{
    bkgLogo = helplook::whiteBand(this, QRect(0, 0, 670, 100));
    imgLogo =
        new SvgPicture(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/help_banner.svg"), bkgLogo);
    imgLogo->setGeometry(20, 5, 630, 90);
    imgLogo->setAccessibleName(QStringLiteral("Sintarel"));

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(fonts::arial(16, true));
    QPalette crimson = lblTitolo->palette();
    crimson.setColor(QPalette::WindowText, QColor(0xDC, 0x14, 0x3C));
    lblTitolo->setPalette(crimson);
    lblTitolo->setGeometry(20, 110, 630, 34);

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtGuida->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtGuida->setFont(fonts::verdana(12, true));
    txtGuida->setGeometry(20, 150, 630, 350);

    imgPDF = new ImageButton(QStringLiteral("imgPDF"), this);
    imgPDF->setPicture(QStringLiteral(":/pictures/help_pdf.svg"));
    imgPDF->setAccessibleName(QStringLiteral("Guida in formato PDF"));
    imgPDF->setFocusPolicy(Qt::NoFocus); // the link next to it takes the keyboard
    imgPDF->setGeometry(20, 514, 36, 40);

    lnkWeb = new TextLink(QStringLiteral("lnkWeb"), QStringLiteral("Visualizza guida in formato PDF"), this);
    lnkWeb->setGeometry(64, 518, 400, 32);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setFont(fonts::verdana(10));
    btnChiudi->setGeometry(550, 516, 100, 36);
    btnChiudi->setDefault(true);

    setTabOrder(txtGuida, lnkWeb);
    setTabOrder(lnkWeb, btnChiudi);

    connect(lnkWeb, &TextLink::mouseDown, this, &TfrmGuida::lnkWebMouseDown);
    connect(lnkWeb, &TextLink::mouseUp, this, &TfrmGuida::lnkWebMouseUp);
    connect(lnkWeb, &TextLink::clicked, this, &TfrmGuida::lnkWebClick);
    connect(imgPDF, &ImageButton::pressed, this, &TfrmGuida::lnkWebMouseDown);
    connect(imgPDF, &ImageButton::released, this, &TfrmGuida::lnkWebMouseUp);
    connect(imgPDF, &ImageButton::clicked, this, &TfrmGuida::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);
}

void TfrmGuida::showTopic(const QString &title, const QString &text)
{
    lblTitolo->setText(title);
    txtGuida->setPlainText(text);
}

void TfrmGuida::FormShow()
{
    helplook::centreOnScreen(this);
    btnChiudi->setFocus();
}

void TfrmGuida::lnkWebMouseDown()
{
    lnkWeb->setColor(TextLink::kOrange);
}

void TfrmGuida::lnkWebMouseUp()
{
    lnkWeb->setColor(TextLink::kDarkBlue);
}

void TfrmGuida::lnkWebClick()
{
    lnkWeb->setColor(TextLink::kDarkBlue);
    TMisc::Open(app().shell(), helplinks::manualCommand(app().programFolder()));
}

void TfrmGuida::btnChiudiClick()
{
    close();
}
