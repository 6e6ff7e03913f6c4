#include "access/Password.h"

#include "access/CambiaPassword.h"
#include "access/passwordstore.h"
#include "common/Fonts.h"
#include "common/Messages.h"
#include "common/PushButton.h"
#include "common/SvgPicture.h"
#include "common/text.h"
#include "shell/AppContext.h"
#include "shell/Avvio.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace
{
const QColor kSteelBlue(0x46, 0x82, 0xB4);
}

TfrmPassword::TfrmPassword(AppContext &app)
    : DialogWindow(app, QStringLiteral("frmPassword"), QStringLiteral(" Sintarel - Accesso"), QSize(388, 405),
                   kSteelBlue, Qt::white)
{
    imgLogo = new SvgPicture(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/logo.svg"), this);
    imgLogo->setGeometry(24, 16, 340, 140);
    imgLogo->setAccessibleName(QStringLiteral("Logo di Sintarel"));

    lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    lblRigo05->setObjectName(QStringLiteral("lblRigo05"));
    lblRigo05->setFont(fonts::verdana(10));
    lblRigo05->setAlignment(Qt::AlignCenter);
    lblRigo05->setGeometry(24, 172, 340, 24);

    effPassword = new QFrame(this);
    effPassword->setObjectName(QStringLiteral("effPassword"));
    effPassword->setStyleSheet(QStringLiteral("background-color: yellow; border-radius: 4px;"));
    effPassword->setGeometry(38, 204, 312, 48);
    effPassword->hide();

    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setFont(fonts::verdana(14, true));
    txtPassword->setGeometry(44, 210, 300, 36);
    txtPassword->setAccessibleName(QStringLiteral("Password"));
    lblRigo05->setBuddy(txtPassword);

    cmdOK = makePushButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(44, 282, 140, 34));
    cmdOK->setEnabled(false);
    cmdEsci =
        makePushButton(this, QStringLiteral("cmdEsci"), QStringLiteral("Esci"), QRect(204, 282, 140, 34));
    btnCambiaPassword = makePushButton(this, QStringLiteral("btnCambiaPassword"),
                                       QStringLiteral("Cambia password"), QRect(44, 336, 300, 34));

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdEsci);
    setTabOrder(cmdEsci, btnCambiaPassword);

    txtPassword->installEventFilter(this);
    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::FormShow()
{
    txtPassword->setFocus();
}

void TfrmPassword::FormClose()
{
    // The main window: closing it ends the program.
    app().quit();
}

bool TfrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtPassword) {
        switch (event->type()) {
        case QEvent::FocusIn:
            txtPasswordEnter();
            break;
        case QEvent::FocusOut:
            txtPasswordExit();
            break;
        case QEvent::KeyRelease:
            txtPasswordKeyUp();
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (!text::trimmed(txtPassword->text()).isEmpty())
                    cmdOKClick();
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return DialogWindow::eventFilter(watched, event);
}

void TfrmPassword::txtPasswordChange()
{
    cmdOK->setEnabled(!text::trimmed(txtPassword->text()).isEmpty());
}

void TfrmPassword::txtPasswordKeyUp()
{
    txtPasswordChange();
}

void TfrmPassword::txtPasswordEnter()
{
    effPassword->show();
}

void TfrmPassword::txtPasswordExit()
{
    effPassword->hide();
}

void TfrmPassword::cmdOKClick()
{
    try {
        lblMemory->setText(passwordstore::read(app().programFolder()));
    } catch (const SintarelError &) {
        app().messages().plain(
            this, QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                 "lettura della password. Si consiglia di reinstallare il software."));
        return;
    }
    const bool match = passwordstore::normalise(txtPassword->text()) == lblMemory->text();
    // The stored password is only needed for the comparison.
    lblMemory->clear();
    if (match) {
        txtPassword->clear();
        app().frmAvvio()->showWindow();
        hide();
        return;
    }
    app().messages().plain(this, QStringLiteral("Attenzione: password errata."));
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick()
{
    close();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    app().frmCambiaPassword()->show();
    hide();
}
