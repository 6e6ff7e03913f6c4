#include "lists/ListActions.h"

#include "lists/Segnalati.h"
#include "lists/TrovaPagina.h"

#include <QLabel>

namespace lists
{

void openSearch(AppContext &app, QWidget *editor)
{
    TfrmTrovaPagina window(app, editor);
    window.lblMemory->setText(QStringLiteral("torneo"));
    window.exec();
}

void openEligible(AppContext &app, QWidget *editor)
{
    TfrmSegnalati window(app, editor);
    window.exec();
}

} // namespace lists
