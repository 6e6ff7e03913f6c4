#include "common/FullScreenWindow.h"

#include "common/Gradient.h"
#include "common/PanelHost.h"

#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

FullScreenWindow::FullScreenWindow(AppContext &app, const QString &objectName, const QString &caption,
                                   const QColor &top, const QColor &bottom, QWidget *parent)
    : QWidget(parent), m_app(app), m_top(top), m_bottom(bottom), m_panel(new QWidget(this))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setMinimumSize(640, 480);
    resize(kPanelSize + QSize(24, 24));
    m_panel->setObjectName(QStringLiteral("panContenuto"));
    m_panel->resize(kPanelSize);
    m_host = new PanelHost(this, m_panel);
}

void FullScreenWindow::showWindow()
{
    // Without a window manager nothing maximises the window: fill the screen ourselves.
    if (QScreen *s = screen())
        setGeometry(s->availableGeometry());
    showMaximized();
    activateWindow();
}

void FullScreenWindow::setPanelSize(const QSize &size)
{
    m_host->setPanelSize(size);
}

void FullScreenWindow::setPanelColor(const QColor &color)
{
    m_panel->setAutoFillBackground(true);
    QPalette pal = m_panel->palette();
    pal.setColor(QPalette::Window, color);
    m_panel->setPalette(pal);
}

void FullScreenWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintVerticalGradient(p, rect(), m_top, m_bottom);
}

void FullScreenWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void FullScreenWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    FormClose();
}
