#pragma once

#include "common/DialogWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;
class SvgPicture;

// The login window, the program's main window: the start screen is shown only
// after the stored password has been typed.
class TfrmPassword : public DialogWindow
{
    Q_OBJECT
public:
    explicit TfrmPassword(AppContext &app);

    SvgPicture *imgLogo;
    QLabel *lblRigo05;
    QFrame *effPassword;
    QLineEdit *txtPassword;
    QPushButton *cmdOK;
    QPushButton *cmdEsci;
    QPushButton *btnCambiaPassword;
    QLabel *lblMemory;

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void txtPasswordChange();
    void txtPasswordKeyUp();
    void txtPasswordEnter();
    void txtPasswordExit();
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();
};
