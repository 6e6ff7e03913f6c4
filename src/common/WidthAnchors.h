#pragma once

#include <QHash>
#include <QPointer>
#include <QRect>
#include <QWidget>

// Where the controls of a panel go when the panel is wider than designed: some
// stretch with it, some keep their distance from its right edge, some stay
// centred. Each control's geometry when it is anchored is its design geometry.
class WidthAnchors
{
public:
    enum class Anchor { Stretch, Right, Centre };

    void anchor(QWidget *control, Anchor how);
    bool isEmpty() const { return m_entries.isEmpty(); }
    // Places every anchored control for a panel this many pixels wider than designed.
    void apply(int extra) const;

private:
    struct Entry {
        QPointer<QWidget> control;
        QRect design;
        Anchor how;
    };
    QList<Entry> m_entries;
};
