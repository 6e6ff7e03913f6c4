#include "printouts/SheetWindow.h"

#include "common/Fonts.h"
#include "common/PushButton.h"
#include "editor/Torneo.h"
#include "editor/memotext.h"
#include "shell/AppContext.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace
{

QPushButton *button(const QString &name, const QString &words, const QRect &geometry, QWidget *parent)
{
    return makePushButton(parent, name, words, geometry, fonts::verdana(8));
}

} // namespace

SheetWindow::SheetWindow(AppContext &app, QWidget *owner, const QString &objectName, const QString &caption,
                         sheetlayout::Variant variant, const QString &actionWords)
    : DialogWindow(app, objectName, caption, QSize(362, 287), QColor(0x46, 0x82, 0xB4), Qt::white, owner),
      m_variant(variant)
{
    shpSfondo = new QFrame(this);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setStyleSheet(QStringLiteral("QFrame#shpSfondo { background-color: white; }"));
    shpSfondo->setGeometry(17, 14, 327, 215);

    btnAnnulla =
        button(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), QRect(34, 243, 137, 28), this);
    btnStampa = button(QStringLiteral("btnStampa"), actionWords, QRect(191, 243, 137, 28), this);
    setTabOrder(btnAnnulla, btnStampa);

    connect(btnStampa, &QPushButton::clicked, this, &SheetWindow::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &SheetWindow::btnAnnullaClick);
}

void SheetWindow::FormShow()
{
    // Enter presses the focused button; a fresh window offers the action.
    btnStampa->setFocus();
}

PageModel SheetWindow::sheet() const
{
    const TfrmTorneo *editor = app().frmTorneo();
    sheetlayout::SheetValues v;
    v.sessionName = editor->lblNome->text();
    v.recordNumber = editor->lblPosizione->text();
    v.candidate = editor->txtConcorrente->text();
    v.fiscalCode = editor->txtResponsabile->text();
    v.provenance = editor->txtTelefono->text();
    v.examDate = editor->txtEmail->text();
    v.examDetails = memotext::fromDocument(editor->txtGare->document()->toRawText());
    v.score = editor->txtPunteggio->text();
    v.notes = editor->txtNote->text();
    return sheetlayout::layout(v, m_variant);
}

void SheetWindow::btnStampaClick()
{
    try {
        deliver(sheet());
    } catch (...) {
        // The failure is reported by the general error report; the window goes anyway.
        close();
        throw;
    }
    close();
}

void SheetWindow::btnAnnullaClick()
{
    close();
}
