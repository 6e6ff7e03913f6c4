#pragma once

#include <QString>

class AppContext;
class QWidget;

// What every help button, information and splash icon and web link does.
namespace help
{

// Opens the help window on a topic, modally over parent.
void openTopic(AppContext &app, QWidget *parent, const QString &topicTitle);

// Opens the information window, modally.
void openInfo(AppContext &app, QWidget *parent);

// Opens the splash window, modally, centred on parent.
void openSplash(AppContext &app, QWidget *parent);

// Opens the maker's web site in the desktop's browser.
void openWebSite(AppContext &app);

} // namespace help
