#include "printouts/SystemPrintService.h"

#include "printouts/ReportPreview.h"
#include "printouts/pagemodel.h"

namespace
{

// Qt's print dialog and printer, and the report preview window.
class SystemPrintService : public PrintService
{
public:
    bool print(const PageModel &pages, const QString &jobTitle, QWidget *parent) override
    {
        return printWithDialog(pages, jobTitle, parent);
    }

    void preview(const PageModel &pages, const QString &jobTitle, QWidget *parent) override
    {
        ReportPreview window(pages, jobTitle, parent);
        window.exec();
    }
};

} // namespace

std::unique_ptr<PrintService> makeSystemPrintService()
{
    return std::make_unique<SystemPrintService>();
}
