#include "tools/TaxCheckWindow.h"

#include "common/Fonts.h"
#include "common/SvgPicture.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace
{
const QColor kSteelBlue(0x46, 0x82, 0xB4);
const QSize kPanel(460, 236);
} // namespace

TaxCheckWindow::TaxCheckWindow(AppContext &app, const Look &look, QWidget *parent)
    : DialogWindow(app, look.objectName, look.caption, look.clientSize, kSteelBlue, Qt::white, parent),
      m_typingLimit(look.typingLimit)
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry((look.clientSize.width() - kPanel.width()) / 2,
                              (look.clientSize.height() - kPanel.height()) / 2, kPanel.width(),
                              kPanel.height());

    shpContainer = new QFrame(panContainer);
    shpContainer->setObjectName(QStringLiteral("shpContainer"));
    shpContainer->setGeometry(0, 0, kPanel.width(), 184);
    shpContainer->setStyleSheet(QStringLiteral("#shpContainer { background-color: %1; border: 1px solid %2; "
                                               "border-radius: 6px; }")
                                    .arg(look.background.name(), look.outline.name()));

    imgLogo = new SvgPicture(QStringLiteral("imgLogo"), look.logo, shpContainer);
    imgLogo->setGeometry(10, 6, 440, 52);
    imgLogo->setAccessibleName(look.logoName);

    lblTitolo = new QLabel(look.instructions, shpContainer);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(fonts::arial(12));
    lblTitolo->setWordWrap(true);
    lblTitolo->setAlignment(Qt::AlignCenter);
    lblTitolo->setGeometry(10, 58, 440, 46);

    shpCodFisc = new QFrame(shpContainer);
    shpCodFisc->setObjectName(QStringLiteral("shpCodFisc"));
    shpCodFisc->setGeometry(10, 108, 440, 66);
    shpCodFisc->setStyleSheet(QStringLiteral("#shpCodFisc { border-radius: 4px; background: qlineargradient("
                                             "x1:0, y1:0, x2:1, y2:0, stop:0 %1, stop:1 white); }")
                                  .arg(kSteelBlue.name()));

    m_field = new QLineEdit(shpCodFisc);
    m_field->setObjectName(look.fieldName);
    m_field->setFont(fonts::courierNew(20, true));
    m_field->setGeometry(10, 12, 292, 42);
    m_field->setMaxLength(m_typingLimit);
    m_field->setAccessibleName(look.instructions);
    m_field->installEventFilter(this);

    btnControlla = new QPushButton(QStringLiteral("Controlla"), shpCodFisc);
    btnControlla->setObjectName(QStringLiteral("btnControlla"));
    btnControlla->setGeometry(312, 12, 118, 42);

    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), panContainer);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(kPanel.width() - 120, 194, 120, 36);

    for (QPushButton *b : {btnControlla, btnChiudi}) {
        b->setFont(fonts::verdana(10, true));
        b->setCursor(Qt::PointingHandCursor);
        b->setAutoDefault(true); // Enter presses the button that has the focus
    }

    setTabOrder(m_field, btnControlla);
    setTabOrder(btnControlla, btnChiudi);

    connect(btnControlla, &QPushButton::clicked, this, &TaxCheckWindow::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TaxCheckWindow::btnChiudiClick);
    connect(m_field, &QLineEdit::textEdited, this, &TaxCheckWindow::limitTyping);
}

void TaxCheckWindow::placeText(const QString &text)
{
    // QLineEdit cuts a text to its maximum length; the handed-over text must stay whole.
    m_field->setMaxLength(std::max<int>(m_typingLimit, text.size()));
    m_field->setText(text);
}

void TaxCheckWindow::limitTyping()
{
    const int limit = std::max<int>(m_typingLimit, m_field->text().size());
    if (limit == m_field->maxLength())
        return;
    // Changing the limit puts the caret at the end; keep it where the user left it.
    const int caret = m_field->cursorPosition();
    m_field->setMaxLength(limit);
    m_field->setCursorPosition(caret);
}

void TaxCheckWindow::FormShow()
{
    m_field->setFocus();
}

bool TaxCheckWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter only leads to the check button; the check needs its own press.
            btnControlla->setFocus();
            return true;
        }
        if (discardKey(key))
            return true;
    }
    return DialogWindow::eventFilter(watched, event);
}

void TaxCheckWindow::btnChiudiClick()
{
    close();
}
