#pragma once

#include "common/DialogWindow.h"

class ImageButton;
class QLabel;
class QPushButton;
class SvgPicture;
class TextLink;

// The information window: what the program is, and a link that writes an
// e-mail to the maker.
class TfrmInfo : public DialogWindow
{
    Q_OBJECT
public:
    explicit TfrmInfo(AppContext &app, QWidget *parent = nullptr);

    QWidget *bkgLogo;
    SvgPicture *imgLogo;
    QLabel *lblInformazioni;
    ImageButton *imgEmail;
    TextLink *lnkWeb;
    QPushButton *btnChiudi;

protected:
    void FormShow() override;

private slots:
    void lnkWebMouseDown();
    void lnkWebMouseUp();
    void lnkWebClick();
    void btnChiudiClick();
};
