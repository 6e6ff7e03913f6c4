#include "tools/PartitaIVA.h"

#include "common/Messages.h"
#include "common/text.h"
#include "shell/AppContext.h"
#include "tools/vatnumber.h"

#include <QKeyEvent>
#include <QLineEdit>

TfrmPartitaIva::TfrmPartitaIva(AppContext &app, QWidget *parent)
    : TaxCheckWindow(
          app,
          Look{QStringLiteral("frmPartitaIva"), QStringLiteral(" Controllo partita IVA"), QSize(480, 254),
               QColor(Qt::white), QColor(0xFF, 0xE4, 0xC4), QStringLiteral(":/pictures/tools_partitaiva.svg"),
               QStringLiteral("Controllo partita IVA"),
               QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
               QStringLiteral("txtPartitaIva"), vatnumber::kLength},
          parent)
{
    txtPartitaIva = field();
    // Only the digit keys type here; pasting from the context menu or dropping text
    // would bypass that.
    txtPartitaIva->setContextMenuPolicy(Qt::NoContextMenu);
    txtPartitaIva->setAcceptDrops(false);
}

// txtPartitaIvaKeyDown: digits, Backspace, Delete and the two arrows; any other key
// (Home, End, Tab, letters, blanks, punctuation, shortcuts) is dropped.
bool TfrmPartitaIva::discardKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return false;
    default:
        break;
    }
    const QString typed = event->text();
    const bool digit = typed.size() == 1 && typed.at(0).unicode() >= u'0' && typed.at(0).unicode() <= u'9';
    return !digit || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

void TfrmPartitaIva::btnControllaClick()
{
    Messages &messages = app().messages();
    const QString number = text::upperAZ(txtPartitaIva->text());
    if (number.size() != vatnumber::kLength) {
        messages.warning(
            this,
            QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        txtPartitaIva->setFocus();
        return;
    }
    if (!vatnumber::isValid(number)) {
        messages.warning(
            this, QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                 "Non è quindi possibile fornire informazioni relative all'Ufficio "
                                 "IVA che lo ha rilasciato."));
    } else {
        // An office code without an entry leaves the name out: "... del Comune di."
        const QString office = vatnumber::officeName(vatnumber::officeCode(number));
        messages.information(this, QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                                  "E' stato rilasciato dall'Ufficio IVA del Comune di") +
                                       (office.isEmpty() ? QString() : u' ' + office) + u'.');
    }
    close();
}
