#pragma once

#include <QString>

class QWidget;
struct PageModel;

// Printing and preview of a laid-out report. The program uses the print dialog,
// the printer and a preview window; tests render to PDF or keep the pages.
class PrintService
{
public:
    virtual ~PrintService() = default;

    // Prints after the print dialog (default printer preselected) the pages and
    // copies chosen there. Returns false when the user cancelled or printing
    // failed; a failure has been reported to the user already.
    virtual bool print(const PageModel &pages, const QString &jobTitle, QWidget *parent) = 0;

    // Modal, maximised preview with print, zoom, full screen and close.
    virtual void preview(const PageModel &pages, const QString &jobTitle, QWidget *parent) = 0;
};
