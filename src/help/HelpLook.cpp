#include "help/HelpLook.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace helplook
{

QWidget *whiteBand(QWidget *parent, const QRect &geometry)
{
    auto *band = new QWidget(parent);
    band->setObjectName(QStringLiteral("bkgLogo"));
    band->setAutoFillBackground(true);
    QPalette p = band->palette();
    p.setColor(QPalette::Window, Qt::white);
    band->setPalette(p);
    band->setGeometry(geometry);
    return band;
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = nullptr;
    if (QWidget *owner = window->parentWidget())
        screen = owner->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    centreOn(window, screen->availableGeometry());
}

void centreOnOwner(QWidget *window)
{
    if (QWidget *owner = window->parentWidget())
        centreOn(window, owner->window()->frameGeometry());
    else
        centreOnScreen(window);
}

void centreOn(QWidget *window, const QRect &area)
{
    // The frame, title bar included, is what the eye centres.
    const QRect frame = window->frameGeometry();
    window->move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

} // namespace helplook
