#include "common/FocusWatcher.h"

#include <QEvent>
#include <QWidget>

FocusWatcher::FocusWatcher(QWidget *widget, std::function<void()> enter, std::function<void()> exit)
    : QObject(widget), m_enter(std::move(enter)), m_exit(std::move(exit))
{
    widget->installEventFilter(this);
}

void FocusWatcher::watch(QWidget *widget, std::function<void()> enter, std::function<void()> exit)
{
    new FocusWatcher(widget, std::move(enter), std::move(exit));
}

bool FocusWatcher::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    if (event->type() == QEvent::FocusIn && m_enter)
        m_enter();
    else if (event->type() == QEvent::FocusOut && m_exit)
        m_exit();
    return false;
}
