#include "tools/ToolActions.h"

#include "common/text.h"
#include "editor/Torneo.h"
#include "shell/AppContext.h"
#include "tools/Calcolatrice_Scientifica.h"
#include "tools/CodFisc.h"
#include "tools/PartitaIVA.h"

#include <QLineEdit>

#include <memory>

namespace tools
{

namespace
{
bool onlyDigits(const QString &s)
{
    for (QChar c : s) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return false;
    }
    return true;
}
} // namespace

void openTaxCodeCheck(AppContext &app, QWidget *editor)
{
    // The field may hold a fiscal code or a VAT number: digits alone mean the latter.
    const QString code = text::trimmed(app.frmTorneo()->txtResponsabile->text());
    if (!code.isEmpty() && onlyDigits(code)) {
        auto window = std::make_unique<TfrmPartitaIva>(app, editor);
        window->placeText(code);
        window->exec();
    } else {
        auto window = std::make_unique<TfrmCodFisc>(app, editor);
        window->placeText(code);
        window->exec();
    }
}

void openCalculator(AppContext &app, QWidget *editor)
{
    auto window = std::make_unique<TfrmCalcolatrice_Scientifica>(app, app.frmTorneo()->txtPunteggio, editor);
    window->exec();
}

} // namespace tools
