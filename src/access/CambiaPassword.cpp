#include "access/CambiaPassword.h"

#include "access/Password.h"
#include "access/passwordstore.h"
#include "common/Fonts.h"
#include "common/Messages.h"
#include "common/PushButton.h"
#include "common/SvgPicture.h"
#include "common/text.h"
#include "shell/AppContext.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace
{
const QColor kSteelBlue(0x46, 0x82, 0xB4);
const QString kModificaErrore =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                   "modifica della password. Si consiglia di reinstallare il software.");
} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(AppContext &app)
    : DialogWindow(app, QStringLiteral("frmCambiaPassword"), QStringLiteral(" Cambia password"),
                   QSize(411, 418), kSteelBlue, Qt::white)
{
    imgLogo = new SvgPicture(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/chiave.svg"), this);
    imgLogo->setGeometry(40, 12, 331, 84);
    imgLogo->setAccessibleName(QStringLiteral("Cambia password"));

    txtPasswordOld =
        addField(QStringLiteral("txtPasswordOld"), QStringLiteral("Vecchia password:"), 106, &effPasswordOld);
    txtPasswordNew =
        addField(QStringLiteral("txtPasswordNew"), QStringLiteral("Nuova password:"), 186, &effPasswordNew);
    txtConferma = addField(QStringLiteral("txtConferma"), QStringLiteral("Conferma nuova password:"), 266,
                           &effConferma);

    cmdEsci =
        makePushButton(this, QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"), QRect(46, 360, 150, 34));
    cmdOK = makePushButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(216, 360, 150, 34));
    cmdOK->setEnabled(false);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    setTabOrder(txtPasswordOld, txtPasswordNew);
    setTabOrder(txtPasswordNew, txtConferma);
    setTabOrder(txtConferma, cmdEsci);
    setTabOrder(cmdEsci, cmdOK);

    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

QLineEdit *TfrmCambiaPassword::addField(const QString &name, const QString &caption, int y, QFrame **eff)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lbl") + name.mid(3));
    label->setFont(fonts::verdana(10, true));
    label->setGeometry(46, y, 320, 22);

    *eff = new QFrame(this);
    (*eff)->setObjectName(QStringLiteral("eff") + name.mid(3));
    (*eff)->setStyleSheet(QStringLiteral("background-color: yellow; border-radius: 4px;"));
    (*eff)->setGeometry(40, y + 22, 332, 46);
    (*eff)->hide();

    auto *field = new QLineEdit(this);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    field->setFont(fonts::verdana(14, true));
    field->setGeometry(46, y + 28, 320, 34);
    field->setAccessibleName(caption.chopped(1));
    label->setBuddy(field);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtPasswordOldChange);
    return field;
}

QFrame *TfrmCambiaPassword::effFor(QObject *field) const
{
    if (field == txtPasswordOld)
        return effPasswordOld;
    if (field == txtPasswordNew)
        return effPasswordNew;
    if (field == txtConferma)
        return effConferma;
    return nullptr;
}

bool TfrmCambiaPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (QFrame *eff = effFor(watched)) {
        switch (event->type()) {
        case QEvent::FocusIn:
            eff->show();
            break;
        case QEvent::FocusOut:
            eff->hide();
            break;
        case QEvent::KeyRelease:
            txtPasswordOldChange();
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // Enter walks the three fields in a ring; it never confirms.
                if (watched == txtPasswordOld)
                    txtPasswordNew->setFocus();
                else if (watched == txtPasswordNew)
                    txtConferma->setFocus();
                else
                    txtPasswordOld->setFocus();
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

void TfrmCambiaPassword::FormShow()
{
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    lblMemory->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::FormClose()
{
    lblMemory->clear();
    TfrmPassword *login = app().frmPassword();
    login->txtPassword->clear();
    login->lblMemory->clear();
    login->show();
    login->txtPassword->setFocus();
}

void TfrmCambiaPassword::txtPasswordOldChange()
{
    cmdOK->setEnabled(!text::trimmed(txtPasswordOld->text()).isEmpty() &&
                      !text::trimmed(txtPasswordNew->text()).isEmpty() &&
                      !text::trimmed(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    Messages &messages = app().messages();
    try {
        lblMemory->setText(passwordstore::read(app().programFolder()));
        if (passwordstore::normalise(txtPasswordOld->text()) != lblMemory->text()) {
            lblMemory->clear();
            messages.plain(this, QStringLiteral("Attenzione: vecchia password errata."));
            txtPasswordOld->clear();
            txtPasswordOld->setFocus();
            return;
        }
        lblMemory->clear();
        if (text::trimmed(txtPasswordNew->text()) != text::trimmed(txtConferma->text())) {
            messages.plain(
                this, QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                     "E' necessario reinserire entrambi i valori."));
            txtPasswordNew->clear();
            txtConferma->clear();
            txtPasswordNew->setFocus();
            return;
        }
        const QString newPassword = passwordstore::normalise(txtPasswordNew->text());
        if (!passwordstore::storable(newPassword)) {
            // Only 8 bits per character are stored: such a password could never be typed again.
            messages.plain(this,
                           QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi. "
                                          "Usare soltanto lettere, cifre e simboli dell'alfabeto latino."));
            txtPasswordNew->clear();
            txtConferma->clear();
            txtPasswordNew->setFocus();
            return;
        }
        passwordstore::write(app().programFolder(), newPassword);
    } catch (const SintarelError &) {
        lblMemory->clear();
        messages.plain(this, kModificaErrore);
        return;
    }
    messages.plain(this, QStringLiteral("Modifica della password completata con successo."));
    close();
}

void TfrmCambiaPassword::cmdEsciClick()
{
    close();
}
