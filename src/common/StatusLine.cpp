#include "common/StatusLine.h"

#include "common/DataLabel.h"

#include <QEvent>
#include <QLabel>
#include <QWidget>

StatusLine::StatusLine(QLabel *line) : QObject(line), m_line(line) {}

void StatusLine::describe(QWidget *control, const QString &description)
{
    control->setAccessibleDescription(description);
    control->setAttribute(Qt::WA_Hover);
    m_texts.insert(control, description);
    control->installEventFilter(this);
}

void StatusLine::clearOver(QWidget *background)
{
    background->setMouseTracking(true);
    m_texts.insert(background, QString());
    background->installEventFilter(this);
}

bool StatusLine::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    if (t == QEvent::Enter || t == QEvent::HoverEnter || t == QEvent::MouseMove) {
        const auto it = m_texts.constFind(watched);
        if (it != m_texts.constEnd() && m_line->text() != *it) {
            const QString before = m_line->text();
            m_line->setText(*it);
            datalabel::announce(m_line, before);
        }
    }
    return false;
}
