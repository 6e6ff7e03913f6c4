#pragma once

#include "printouts/SheetWindow.h"

// Shows the candidate sheet of the record shown in the editor in the preview
// window, from which it can also be printed.
class TfrmAnteprimaPagina : public SheetWindow
{
    Q_OBJECT
public:
    TfrmAnteprimaPagina(AppContext &app, QWidget *owner);

    SvgPicture *icoInf01;

protected:
    void deliver(const PageModel &pages) override;
};
