#include "common/PanelHost.h"

#include "common/ScrollBars.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

PanelHost::PanelHost(QWidget *host, QWidget *panel)
    : QObject(host), m_host(host), m_panel(panel), m_size(panel->size()),
      m_horizontal(new QScrollBar(Qt::Horizontal, host)), m_vertical(new QScrollBar(Qt::Vertical, host))
{
    m_horizontal->setObjectName(QStringLiteral("scrOrizzontale"));
    m_vertical->setObjectName(QStringLiteral("scrVerticale"));
    m_horizontal->setAccessibleName(QStringLiteral("Scorrimento orizzontale"));
    m_vertical->setAccessibleName(QStringLiteral("Scorrimento verticale"));
    for (QScrollBar *bar : {m_horizontal, m_vertical}) {
        bar->hide();
        bar->setSingleStep(24);
        scrollbars::makePlain(bar);
        connect(bar, &QScrollBar::valueChanged, this, &PanelHost::relayout);
    }
    host->installEventFilter(this);
    // A control reached with Tab while out of sight is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { reveal(now); });
    relayout();
}

void PanelHost::setPanelSize(const QSize &size)
{
    m_size = size;
    relayout();
}

void PanelHost::setWidestPanel(int width)
{
    m_widest = width;
    relayout();
}

void PanelHost::relayout()
{
    if (m_placing)
        return;
    m_placing = true;
    const int extent = m_host->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_host);
    const int hostWidth = m_host->width();
    const int hostHeight = m_host->height();
    const int widest = std::max(m_widest, m_size.width());
    auto widthIn = [&](int room) { return std::clamp(room - 2 * kMargin, m_size.width(), widest); };

    const int height = m_size.height();
    bool vertical = height > hostHeight;
    int width = widthIn(hostWidth - (vertical ? extent : 0));
    bool horizontal = width > hostWidth - (vertical ? extent : 0);
    if (horizontal && !vertical) {
        vertical = height > hostHeight - extent;
        width = widthIn(hostWidth - (vertical ? extent : 0));
    }
    const int viewWidth = hostWidth - (vertical ? extent : 0);
    const int viewHeight = hostHeight - (horizontal ? extent : 0);

    m_vertical->setRange(0, vertical ? height - viewHeight : 0);
    m_vertical->setPageStep(std::max(1, viewHeight));
    m_vertical->setGeometry(viewWidth, 0, extent, viewHeight);
    m_vertical->setVisible(vertical);
    m_horizontal->setRange(0, horizontal ? width - viewWidth : 0);
    m_horizontal->setPageStep(std::max(1, viewWidth));
    m_horizontal->setGeometry(0, viewHeight, viewWidth, extent);
    m_horizontal->setVisible(horizontal);

    const int x = horizontal ? -m_horizontal->value() : (viewWidth - width) / 2;
    const int y = vertical ? -m_vertical->value() : (viewHeight - height) / 2;
    m_panel->setGeometry(x, y, width, height);
    m_vertical->raise();
    m_horizontal->raise();
    m_placing = false;
}

bool PanelHost::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
            relayout();
        } else if (event->type() == QEvent::Wheel && m_vertical->isVisible()) {
            const auto *wheel = static_cast<QWheelEvent *>(event);
            m_vertical->setValue(m_vertical->value() -
                                 wheel->angleDelta().y() / 120 * 3 * m_vertical->singleStep());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PanelHost::reveal(QWidget *focused)
{
    if (!focused || !m_panel->isAncestorOf(focused))
        return;
    const QRect r(focused->mapTo(m_panel, QPoint(0, 0)), focused->size());
    auto bring = [](QScrollBar *bar, int from, int to, int view) {
        if (!bar->isVisible())
            return;
        if (from < bar->value())
            bar->setValue(from - 8);
        else if (to > bar->value() + view)
            bar->setValue(to - view + 8);
    };
    bring(m_vertical, r.top(), r.bottom(), m_vertical->pageStep());
    bring(m_horizontal, r.left(), r.right(), m_horizontal->pageStep());
}
