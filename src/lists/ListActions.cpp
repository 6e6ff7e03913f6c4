#include "lists/ListActions.h"

#include "common/errors.h"

// Placeholder until the window is built: the editor reports it through the general
// error report instead of doing nothing.
namespace lists
{

void openSearch(AppContext &, QWidget *)
{
    throw SintarelError(QStringLiteral("Funzione non ancora disponibile."));
}

void openEligible(AppContext &, QWidget *)
{
    throw SintarelError(QStringLiteral("Funzione non ancora disponibile."));
}

} // namespace lists
