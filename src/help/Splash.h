#pragma once

#include "common/DialogWindow.h"

class ImageButton;
class QPushButton;
class SvgPicture;
class TextLink;

// The splash window: the product's artwork and a link to the maker's web site.
class TfrmSplash : public DialogWindow
{
    Q_OBJECT
public:
    explicit TfrmSplash(AppContext &app, QWidget *parent = nullptr);

    SvgPicture *imgLogo;
    QWidget *shpWeb;
    ImageButton *imgWeb;
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
