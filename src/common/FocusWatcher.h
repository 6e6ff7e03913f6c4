#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Calls enter() when a widget gains the keyboard focus and exit() when it loses
// it: the focus highlights and the "field left" rules hang on this.
class FocusWatcher : public QObject
{
    Q_OBJECT
public:
    static void watch(QWidget *widget, std::function<void()> enter, std::function<void()> exit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FocusWatcher(QWidget *widget, std::function<void()> enter, std::function<void()> exit);
    std::function<void()> m_enter;
    std::function<void()> m_exit;
};
