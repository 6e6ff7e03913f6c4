#pragma once

#include <QObject>
#include <QSize>

class QScrollBar;
class QWidget;

// Keeps a window's content panel in view: centred while the window is larger,
// scrolled by its own scroll bars (and the wheel, and the focus moving to a
// control out of sight) when the screen is smaller than the panel. A panel may
// also widen with the window, between its design width and a widest width.
class PanelHost : public QObject
{
    Q_OBJECT
public:
    // Margin kept between a widening panel and the window's edges.
    static constexpr int kMargin = 12;

    PanelHost(QWidget *host, QWidget *panel);

    // The panel's design size: its least size, and its size unless it widens.
    void setPanelSize(const QSize &size);
    QSize panelSize() const { return m_size; }
    // The panel widens with the window up to this width (its design width: never).
    void setWidestPanel(int width);

    QScrollBar *horizontalBar() const { return m_horizontal; }
    QScrollBar *verticalBar() const { return m_vertical; }

    void relayout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reveal(QWidget *focused);

    QWidget *m_host;
    QWidget *m_panel;
    QSize m_size;
    int m_widest = 0;
    QScrollBar *m_horizontal;
    QScrollBar *m_vertical;
    bool m_placing = false;
};
