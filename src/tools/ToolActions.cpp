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

// A window manager gives the focus back to the owner when a modal window closes;
// without one (a bare X server) nothing would, and the editor's field focus rules
// would never run. Activating the owner does what the window manager would.
void returnToEditor(QWidget *editor)
{
    if (editor && editor->isVisible())
        editor->window()->activateWindow();
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
    returnToEditor(editor);
}

void openCalculator(AppContext &app, QWidget *editor)
{
    auto window = std::make_unique<TfrmCalcolatrice_Scientifica>(app, app.frmTorneo()->txtPunteggio, editor);
    window->exec();
    // The import has put the focus on the score field: the field must really get it,
    // so that leaving it later (Save included) normalises the imported score.
    returnToEditor(editor);
}

} // namespace tools
