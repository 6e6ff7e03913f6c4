#include "printouts/AnteprimaPagina.h"

#include "common/SvgPicture.h"
#include "shell/AppContext.h"

#include <QFrame>

TfrmAnteprimaPagina::TfrmAnteprimaPagina(AppContext &app, QWidget *owner)
    : SheetWindow(app, owner, QStringLiteral("frmAnteprimaPagina"), QStringLiteral(" Anteprima di stampa"),
                  sheetlayout::Variant::Preview, QStringLiteral("Mostra anteprima"))
{
    icoInf01 = new SvgPicture(QStringLiteral("icoInf01"), QStringLiteral(":/pictures/sheet_anteprima.svg"),
                              shpSfondo);
    icoInf01->setAccessibleName(QStringLiteral("Anteprima di stampa"));
    icoInf01->setGeometry(0, 0, 327, 215);
}

void TfrmAnteprimaPagina::deliver(const PageModel &pages)
{
    app().print().preview(pages, sheetlayout::reportName(), this);
}
