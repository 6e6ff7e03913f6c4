#include "tools/CodFisc.h"

#include "common/Messages.h"
#include "common/text.h"
#include "shell/AppContext.h"
#include "tools/fiscalcode.h"

#include <QLineEdit>

TfrmCodFisc::TfrmCodFisc(AppContext &app, QWidget *parent)
    : TaxCheckWindow(app,
                     Look{QStringLiteral("frmCodFisc"), QStringLiteral(" Controllo codice fiscale"),
                          QSize(478, 254), QColor(0xF3, 0xF1, 0xF1), QColor(0xF5, 0xDE, 0xB3),
                          QStringLiteral(":/pictures/tools_codfisc.svg"),
                          QStringLiteral("Controllo codice fiscale"),
                          QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
                          QStringLiteral("txtCodFisc"), fiscalcode::kLength},
                     parent)
{
    txtCodFisc = field();
    connect(txtCodFisc, &QLineEdit::textEdited, this, &TfrmCodFisc::txtCodFiscTyping);
}

void TfrmCodFisc::txtCodFiscTyping()
{
    const QString typed = txtCodFisc->text();
    const QString shown = text::upperAZ(text::trimmed(typed));
    if (shown == typed)
        return;
    int leading = 0;
    while (leading < typed.size() && typed.at(leading).unicode() <= 32)
        ++leading;
    const int caret = std::clamp<int>(txtCodFisc->cursorPosition() - leading, 0, shown.size());
    txtCodFisc->setText(shown);
    txtCodFisc->setCursorPosition(caret);
    limitTyping();
}

void TfrmCodFisc::btnControllaClick()
{
    Messages &messages = app().messages();
    const QString code = text::upperAZ(txtCodFisc->text());
    if (code.size() != fiscalcode::kLength) {
        messages.warning(
            this, QStringLiteral(
                      "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        txtCodFisc->setFocus();
        return;
    }
    if (fiscalcode::isValid(code))
        messages.information(this, QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        messages.warning(this, QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
    close();
}
