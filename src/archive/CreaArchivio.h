#pragma once

#include "common/FullScreenWindow.h"

class ImageButton;
class InstructionBanner;
class QLabel;
class QLineEdit;

// Creates a new, empty session under a name the user types.
class TfrmCreaArchivio : public FullScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmCreaArchivio(AppContext &app);

    InstructionBanner *icoIstruzioni;
    QLineEdit *txtFile; // the new session's name
    ImageButton *btnApplica;
    ImageButton *btnAnnulla;
    ImageButton *imgGuida;
    QLabel *lblFile; // hidden: path being created

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void btnApplicaClick();
    void btnAnnullaClick();
    void imgGuidaClick();
};
