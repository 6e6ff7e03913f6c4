#include "tools/ToolActions.h"

#include "common/errors.h"

// Placeholder until the window is built: the editor reports it through the general
// error report instead of doing nothing.
namespace tools
{

void openTaxCodeCheck(AppContext &, QWidget *)
{
    throw SintarelError(QStringLiteral("Funzione non ancora disponibile."));
}

void openCalculator(AppContext &, QWidget *)
{
    throw SintarelError(QStringLiteral("Funzione non ancora disponibile."));
}

} // namespace tools
