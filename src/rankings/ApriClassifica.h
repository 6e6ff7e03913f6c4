#pragma once

#include "common/FullScreenWindow.h"

class ImageButton;
class QLabel;
class QListWidget;
class SvgPicture;

// Chooses a session and the kind of ranking to see.
class TfrmApriClassifica : public FullScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmApriClassifica(AppContext &app);

    SvgPicture *icoIstruzioni;
    QLabel *lblIstruzioni;
    ImageButton *imgGuida;
    QListWidget *lstFiles;
    QLabel *lblCreati;
    ImageButton *btnAnnulla;
    ImageButton *btnExcel;
    ImageButton *btnApri;
    QLabel *lblFile;

protected:
    void FormShow() override;
    void FormClose() override;

private slots:
    void btnAnnullaClick();
    void btnExcelClick();
    void btnApriClick();
    void imgGuidaClick();

private:
    enum class Ranking { Merit, Alphabetical };
    void openRanking(Ranking kind);
};
