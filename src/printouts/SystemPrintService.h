#pragma once

#include "printouts/printservice.h"

#include <memory>

class Messages;

// The printer, the print dialog and the preview window; a print that fails is
// reported through messages.
std::unique_ptr<PrintService> makeSystemPrintService(Messages &messages);
