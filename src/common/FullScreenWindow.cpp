#include "common/FullScreenWindow.h"

#include "common/Gradient.h"

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
    m_panel->setFixedSize(kPanelSize);
    centrePanel();
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
    m_panel->setFixedSize(size);
    centrePanel();
}

void FullScreenWindow::setPanelColor(const QColor &color)
{
    m_panel->setAutoFillBackground(true);
    QPalette pal = m_panel->palette();
    pal.setColor(QPalette::Window, color);
    m_panel->setPalette(pal);
}

void FullScreenWindow::centrePanel()
{
    const int x = std::max(0, (width() - m_panel->width()) / 2);
    const int y = std::max(0, (height() - m_panel->height()) / 2);
    m_panel->move(x, y);
}

void FullScreenWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintVerticalGradient(p, rect(), m_top, m_bottom);
}

void FullScreenWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    centrePanel();
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
