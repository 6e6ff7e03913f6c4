#pragma once

#include <QString>

#include <functional>

class QWidget;

// The desktop's file choosers (Qt's file dialog). Tests install a chooser that
// answers with a path, so no modal dialog has to be driven.
namespace filedialogs
{

struct Request {
    bool save = false; // a save dialog rather than an open one
    QString caption;
    QString path;   // folder to start in, or the suggested file for saving
    QString filter; // "File CSV (*.csv *.txt)"
};

// The chosen file, or an empty string when the user cancels.
QString openFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter);
QString saveFile(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter);

// The user's documents folder, where the choosers start.
QString documentsFolder();

// Answers every request with chooser instead of a dialog; an empty function
// brings the dialogs back. For tests.
using Chooser = std::function<QString(const Request &)>;
void install(Chooser chooser);

} // namespace filedialogs
