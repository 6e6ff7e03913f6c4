#pragma once

#include "printouts/printservice.h"

#include <memory>

// The printer, the print dialog and the preview window.
std::unique_ptr<PrintService> makeSystemPrintService();
