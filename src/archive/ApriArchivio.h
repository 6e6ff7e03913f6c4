#pragma once

#include "common/FullScreenWindow.h"

class ImageButton;
class QLabel;
class QListWidget;

// Lists the sessions of the program folder and opens the selected one in the
// session editor.
class TfrmApriArchivio : public FullScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmApriArchivio(AppContext &app);

    QListWidget *lstFiles;
    QLabel *lblCreati;
    ImageButton *btnApri;
    ImageButton *btnAnnulla;
    QLabel *lblFile;
    QLabel *lblMemory;

protected:
    void FormShow() override;
    void FormClose() override;

private slots:
    void btnApriClick();
    void btnAnnullaClick();

private:
    void fillList();
};
