#pragma once

#include "common/FullScreenWindow.h"

class ImageButton;
class QLabel;

// The session editor: one candidate record of the open session at a time.
class TfrmTorneo : public FullScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmTorneo(AppContext &app);

    QLabel *lblFile;
    QLabel *lblNome;
    QLabel *lblPosizione;
    ImageButton *cmdEsci;

protected:
    void FormClose() override;

private slots:
    void cmdEsciClick();
};
