#pragma once

#include "common/FullScreenWindow.h"

class ImageButton;
class QLabel;
class QListWidget;

// Chooses a session and the kind of ranking to see.
class TfrmApriClassifica : public FullScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmApriClassifica(AppContext &app);

    QListWidget *lstFiles;
    QLabel *lblCreati;
    ImageButton *btnAnnulla;
    QLabel *lblFile;

protected:
    void FormShow() override;
    void FormClose() override;

private slots:
    void btnAnnullaClick();
};
