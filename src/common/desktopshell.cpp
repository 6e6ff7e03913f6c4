#include "common/desktopshell.h"

#include <QDesktopServices>

void SystemDesktopShell::open(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}
