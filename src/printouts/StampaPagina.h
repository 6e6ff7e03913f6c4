#pragma once

#include "printouts/SheetWindow.h"

// Prints the candidate sheet of the record shown in the editor, after the
// print dialog.
class TfrmStampaPagina : public SheetWindow
{
    Q_OBJECT
public:
    TfrmStampaPagina(AppContext &app, QWidget *owner);

    SvgPicture *imgLogo01;

protected:
    void deliver(const PageModel &pages) override;
};
