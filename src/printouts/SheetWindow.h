#pragma once

#include "common/DialogWindow.h"
#include "printouts/sheetlayout.h"

class QFrame;
class QPushButton;
class SvgPicture;

// What the print and the preview windows of the candidate sheet share: a white
// panel with an explanatory picture, "Annulla" on the left and the action on the
// right. The action lays the sheet out from the editor's controls as they stand,
// hands it on, and closes the window whatever happened.
class SheetWindow : public DialogWindow
{
    Q_OBJECT
public:
    QFrame *shpSfondo;
    QPushButton *btnAnnulla;
    QPushButton *btnStampa;

protected:
    SheetWindow(AppContext &app, QWidget *owner, const QString &objectName, const QString &caption,
                sheetlayout::Variant variant, const QString &actionWords);

    void FormShow() override;

    // The sheet of the record shown in the editor, unsaved edits included.
    PageModel sheet() const;

    // Prints or previews the sheet.
    virtual void deliver(const PageModel &pages) = 0;

private slots:
    void btnStampaClick();
    void btnAnnullaClick();

private:
    sheetlayout::Variant m_variant;
};
