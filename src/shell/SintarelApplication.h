#pragma once

#include <QApplication>

#include <functional>

// The application: Italian texts for Qt's own dialogs and buttons, the program's
// fonts, and the general error report. A failure that a handler lets escape
// ends up as a message box with its text; the program keeps running.
class SintarelApplication : public QApplication
{
    Q_OBJECT
public:
    SintarelApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Where the general error report shows its text; set by the application
    // object to its Messages.
    static void setErrorReport(std::function<void(const QString &)> report);

    // Loads Qt's Italian translations and maps the design fonts. Tests call it
    // too, so they see what the user sees.
    static void installItalian(QCoreApplication &app);
};
