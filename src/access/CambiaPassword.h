#pragma once

#include "common/DialogWindow.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class SvgPicture;

// Changes the stored password; reached only from the login window, so a change
// always needs the current password.
class TfrmCambiaPassword : public DialogWindow
{
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(AppContext &app);

    SvgPicture *imgLogo;
    QLineEdit *txtPasswordOld;
    QLineEdit *txtPasswordNew;
    QLineEdit *txtConferma;
    QFrame *effPasswordOld;
    QFrame *effPasswordNew;
    QFrame *effConferma;
    QPushButton *cmdEsci;
    QPushButton *cmdOK;
    QLabel *lblMemory;

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void txtPasswordOldChange();
    void cmdOKClick();
    void cmdEsciClick();

private:
    QLineEdit *addField(const QString &name, const QString &caption, int y, QFrame **eff);
    QFrame *effFor(QObject *field) const;
};
