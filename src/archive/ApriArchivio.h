#pragma once

#include "common/FullScreenWindow.h"

class ImageButton;
class InstructionBanner;
class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// Lists the sessions of the program folder and opens the selected one in the
// session editor.
class TfrmApriArchivio : public FullScreenWindow
{
    Q_OBJECT
public:
    explicit TfrmApriArchivio(AppContext &app);

    InstructionBanner *icoIstruzioni;
    QFrame *panFiles; // blanched-almond panel under the list
    QListWidget *lstFiles;
    QLabel *lblCreati;
    ImageButton *btnElimina;
    ImageButton *btnApri;
    ImageButton *btnAnnulla;
    ImageButton *imgGuida;
    QPushButton *cmdImporta; // candidates from a CSV file into the selected session
    QLabel *lblFile;
    QLabel *lblMemory;

protected:
    void FormShow() override;
    void FormClose() override;

private slots:
    void btnApriClick();
    void btnAnnullaClick();
    void btnEliminaClick();
    void imgGuidaClick();
    void cmdImportaClick();

private:
    void fillList();
    // The selected entry; nullptr, after the matching warning, when the list is
    // empty or nothing is selected.
    QListWidgetItem *chosenEntry(const QString &noSelectionWarning);
};
