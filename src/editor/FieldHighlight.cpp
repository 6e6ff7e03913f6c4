#include "editor/FieldHighlight.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

namespace fieldhighlight
{

namespace
{

const char *const kProperty = "fieldBackground";

void paint(QWidget *field, const QColor &colour)
{
    field->setProperty(kProperty, colour);
    field->setStyleSheet(
        QStringLiteral("%1 { background-color: %2; border: 1px solid %3; padding: 0px 4px; }")
            .arg(QString::fromLatin1(field->metaObject()->className()), colour.name(), kOutline.name()));
}

class Follower : public QObject
{
public:
    explicit Follower(QWidget *field) : QObject(field) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *field = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::FocusIn) {
            paint(field, kFocused);
        } else if (event->type() == QEvent::FocusOut) {
            // Another window coming forward (a message, a popup) does not move
            // the focus away from the field within its own window.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                paint(field, kUnfocused);
        }
        return false;
    }
};

} // namespace

void install(QWidget *field)
{
    paint(field, kUnfocused);
    new Follower(field);
}

QColor background(const QWidget *field)
{
    return field->property(kProperty).value<QColor>();
}

} // namespace fieldhighlight
