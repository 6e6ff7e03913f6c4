#include "printouts/SheetActions.h"

#include "printouts/AnteprimaPagina.h"
#include "printouts/StampaPagina.h"

#include <memory>

namespace sheet
{

// A fresh window for every click, owned by the editor and destroyed when it closes.
void openPreview(AppContext &app, QWidget *editor)
{
    auto window = std::make_unique<TfrmAnteprimaPagina>(app, editor);
    window->exec();
}

void openPrint(AppContext &app, QWidget *editor)
{
    auto window = std::make_unique<TfrmStampaPagina>(app, editor);
    window->exec();
}

} // namespace sheet
