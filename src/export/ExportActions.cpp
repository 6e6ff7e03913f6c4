#include "export/ExportActions.h"

#include "common/errors.h"

// Placeholder until the window is built: the editor reports it through the general
// error report instead of doing nothing.
namespace exporting
{

void openExport(AppContext &, QWidget *)
{
    throw SintarelError(QStringLiteral("Funzione non ancora disponibile."));
}

} // namespace exporting
