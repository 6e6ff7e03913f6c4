#include "printouts/SystemPrintService.h"

// The report engine provides the real service; until it is built the program has
// no printer, and any print command reports that through the general error report.
std::unique_ptr<PrintService> makeSystemPrintService()
{
    return nullptr;
}
