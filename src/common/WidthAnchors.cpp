#include "common/WidthAnchors.h"

void WidthAnchors::anchor(QWidget *control, Anchor how)
{
    for (Entry &e : m_entries)
        if (e.control == control) {
            e.how = how;
            return;
        }
    m_entries.append({control, control->geometry(), how});
}

void WidthAnchors::apply(int extra) const
{
    for (const Entry &e : m_entries) {
        if (!e.control)
            continue;
        switch (e.how) {
        case Anchor::Stretch:
            e.control->setGeometry(e.design.adjusted(0, 0, extra, 0));
            break;
        case Anchor::Right:
            e.control->setGeometry(e.design.translated(extra, 0));
            break;
        case Anchor::Centre:
            e.control->setGeometry(e.design.translated(extra / 2, 0));
            break;
        }
    }
}
