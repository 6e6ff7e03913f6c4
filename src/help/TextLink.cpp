#include "help/TextLink.h"

#include "common/Fonts.h"

#include <QKeyEvent>
#include <QMouseEvent>

TextLink::TextLink(const QString &objectName, const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setObjectName(objectName);
    QFont font = fonts::tahoma(14);
    font.setUnderline(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setTextFormat(Qt::PlainText);
    setColor(kDarkBlue);
}

void TextLink::setColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QColor TextLink::color() const
{
    return palette().color(QPalette::WindowText);
}

void TextLink::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    emit mouseDown();
}

void TextLink::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    // A press dragged off the words and let go elsewhere is no click.
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    emit mouseUp();
}

void TextLink::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}
