#include "printouts/ListPrint.h"

#include "printouts/listprintout.h"
#include "shell/AppContext.h"

namespace listprint
{

bool printList(AppContext &app, QWidget *parent, const QString &jobTitle, const QString &title,
               const QStringList &lines)
{
    const PageModel pages = layoutList(title, lines, app.clock().today());
    return app.print().print(pages, jobTitle, parent);
}

} // namespace listprint
