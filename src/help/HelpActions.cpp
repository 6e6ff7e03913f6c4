#include "help/HelpActions.h"

#include "help/Guida.h"
#include "help/Info.h"
#include "help/Splash.h"
#include "help/helptopics.h"
#include "help/maker.h"
#include "help/openurl.h"
#include "shell/AppContext.h"

namespace help
{

void openTopic(AppContext &app, QWidget *parent, const QString &topicTitle)
{
    // A title no topic has is a slip in the caller: the window still opens, with
    // the title and no text, rather than leaving the help button dead.
    const helptopics::Topic *topic = helptopics::find(topicTitle);
    if (!topic)
        qWarning("help::openTopic: no topic titled \"%s\"", qPrintable(topicTitle));
    TfrmGuida frmGuida(app, parent);
    frmGuida.showTopic(topicTitle, topic ? helptopics::text(*topic) : QString());
    frmGuida.exec();
}

void openInfo(AppContext &app, QWidget *parent)
{
    TfrmInfo frmInfo(app, parent);
    frmInfo.exec();
}

void openSplash(AppContext &app, QWidget *parent)
{
    TfrmSplash frmSplash(app, parent);
    frmSplash.exec();
}

void openWebSite(AppContext &app)
{
    TMisc::Open(app.shell(), maker::webAddress());
}

} // namespace help
