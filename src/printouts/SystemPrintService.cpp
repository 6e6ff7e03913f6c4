#include "printouts/SystemPrintService.h"

#include "printouts/ReportPreview.h"
#include "printouts/pagemodel.h"

namespace
{

// Qt's print dialog and printer, and the report preview window.
class SystemPrintService : public PrintService
{
public:
    explicit SystemPrintService(Messages &messages) : m_messages(messages) {}

    bool print(const PageModel &pages, const QString &jobTitle, QWidget *parent) override
    {
        return printWithDialog(pages, jobTitle, m_messages, parent);
    }

    void preview(const PageModel &pages, const QString &jobTitle, QWidget *parent) override
    {
        ReportPreview window(pages, jobTitle, m_messages, parent);
        window.exec();
    }

private:
    Messages &m_messages;
};

} // namespace

std::unique_ptr<PrintService> makeSystemPrintService(Messages &messages)
{
    return std::make_unique<SystemPrintService>(messages);
}
