#include "common/Messages.h"
#include "shell/AppContext.h"
#include "shell/SintarelApplication.h"

int main(int argc, char *argv[])
{
    SintarelApplication application(argc, argv);
    AppContext app(AppServices::system());
    SintarelApplication::setErrorReport(
        [&app](const QString &text) { app.messages().generalError(nullptr, text); });
    QObject::connect(&app, &AppContext::quitting, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    app.start();
    return application.exec();
}
