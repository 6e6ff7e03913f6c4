#include "printouts/SheetActions.h"

#include "common/errors.h"

// Placeholder until the window is built: the editor reports it through the general
// error report instead of doing nothing.
namespace sheet
{

void openPreview(AppContext &, QWidget *)
{
    throw SintarelError(QStringLiteral("Funzione non ancora disponibile."));
}

void openPrint(AppContext &, QWidget *)
{
    throw SintarelError(QStringLiteral("Funzione non ancora disponibile."));
}

} // namespace sheet
