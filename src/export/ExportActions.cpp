#include "export/ExportActions.h"

#include "export/ExpTorneo.h"

#include <memory>

namespace exporting
{

void openExport(AppContext &app, QWidget *editor)
{
    // A fresh window for every opening, destroyed when it closes.
    auto window = std::make_unique<TfrmExpTorneo>(app, editor);
    window->exec();
}

} // namespace exporting
