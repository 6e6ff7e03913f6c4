#include "printouts/StampaPagina.h"

#include "common/SvgPicture.h"
#include "shell/AppContext.h"

#include <QFrame>

TfrmStampaPagina::TfrmStampaPagina(AppContext &app, QWidget *owner)
    : SheetWindow(app, owner, QStringLiteral("frmStampaPagina"), QStringLiteral(" Stampa scheda"),
                  sheetlayout::Variant::Print, QStringLiteral("Stampa"))
{
    imgLogo01 =
        new SvgPicture(QStringLiteral("imgLogo01"), QStringLiteral(":/pictures/sheet_stampa.svg"), shpSfondo);
    imgLogo01->setAccessibleName(QStringLiteral("Stampa documento"));
    imgLogo01->setGeometry(0, 0, 327, 215);
}

void TfrmStampaPagina::deliver(const PageModel &pages)
{
    // A cancelled dialog prints nothing; the window closes all the same.
    app().print().print(pages, sheetlayout::reportName(), this);
}
