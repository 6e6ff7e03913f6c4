#pragma once

#include "common/FullScreenWindow.h"

class ImageButton;
class SvgPicture;

// The start screen: every activity begins here.
class TfrmAvvio : public FullScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmAvvio(AppContext &app);

    SvgPicture *imgTitolo;
    SvgPicture *imgSottotitolo;
    ImageButton *imgCreazione;
    ImageButton *btnCreazione;
    ImageButton *imgApertura;
    ImageButton *btnApertura;
    ImageButton *imgClassifiche;
    ImageButton *btnClassifiche;
    ImageButton *imgGuida;
    ImageButton *imgInfo;
    ImageButton *imgCopyright;
    ImageButton *imgSito;
    ImageButton *imgEsci;

protected:
    void FormClose() override;

private slots:
    void imgCreazioneClick();
    void imgAperturaClick();
    void imgClassificheClick();
    void imgGuidaClick();
    void imgInfoClick();
    void imgCopyrightClick();
    void imgSitoClick();
    void imgEsciClick();
};
