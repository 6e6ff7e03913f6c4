#include "common/DialogWindow.h"

#include "common/Gradient.h"
#include "common/PanelHost.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

DialogWindow::DialogWindow(AppContext &app, const QString &objectName, const QString &caption,
                           const QSize &clientSize, const QColor &top, const QColor &bottom, QWidget *parent)
    : QDialog(parent), m_app(app), m_top(top), m_bottom(bottom), m_design(clientSize)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(clientSize);
    setSizeGripEnabled(false);
}

void DialogWindow::setGradient(const QColor &top, const QColor &bottom)
{
    m_top = top;
    m_bottom = bottom;
    update();
}

void DialogWindow::centre()
{
    QRect area;
    if (QWidget *owner = parentWidget()) {
        area = owner->window()->frameGeometry();
    } else if (QScreen *screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

void DialogWindow::fitToScreen()
{
    if (m_widest <= m_design.width())
        return;
    QScreen *screen = parentWidget() ? parentWidget()->window()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const int room = screen->availableGeometry().width() - 2 * PanelHost::kMargin;
    const int width = std::clamp(room, m_design.width(), m_widest);
    setFixedSize(width, m_design.height());
    m_anchors.apply(width - m_design.width());
}

void DialogWindow::reject()
{
    if (m_escapeCloses)
        close();
}

void DialogWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintVerticalGradient(p, rect(), m_top, m_bottom);
}

void DialogWindow::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        fitToScreen();
        centre();
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void DialogWindow::closeEvent(QCloseEvent *event)
{
    // Not QDialog's own: it would route through reject().
    event->accept();
    FormClose();
}
