#include "help/HelpActions.h"

#include "common/desktopshell.h"
#include "common/programfolder.h"
#include "help/maker.h"
#include "shell/AppContext.h"

#include <QUrl>

namespace help
{

// The help, information and splash windows come with the help subsystem; until
// then each of these hands the manual or the web site to the desktop.
void openTopic(AppContext &app, QWidget *parent, const QString &topicTitle)
{
    Q_UNUSED(parent);
    Q_UNUSED(topicTitle);
    app.shell().open(QUrl::fromLocalFile(app.pathInFolder(QString::fromLatin1(programfolder::manualName()))));
}

void openInfo(AppContext &app, QWidget *parent)
{
    Q_UNUSED(parent);
    openWebSite(app);
}

void openSplash(AppContext &app, QWidget *parent)
{
    Q_UNUSED(parent);
    openWebSite(app);
}

void openWebSite(AppContext &app)
{
    app.shell().open(QUrl(maker::webAddress()));
}

} // namespace help
