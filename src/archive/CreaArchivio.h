#pragma once

#include "common/FullScreenWindow.h"

class ImageButton;
class QLabel;
class QLineEdit;

// Creates a new, empty session under a name the user types.
class TfrmCreaArchivio : public FullScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmCreaArchivio(AppContext &app);

    ImageButton *btnAnnulla;
    QLabel *lblFile;

protected:
    void FormClose() override;

private slots:
    void btnAnnullaClick();
};
