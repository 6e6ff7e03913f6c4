#pragma once

#include "common/FullScreenWindow.h"

#include "rankings/rankingoptions.h"

class ImageButton;
class QCheckBox;
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
    QCheckBox *chkPiuGiovane;
    QCheckBox *chkExAequo;
    QCheckBox *chkPubblicazione;
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
    RankingOptions checkedOptions() const;
    void optionToggled();
    void openRanking(Ranking kind);
};
