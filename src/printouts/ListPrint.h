#pragma once

#include <QString>
#include <QStringList>

class AppContext;
class QWidget;

namespace listprint
{

// Prints a list through the list printout: lays out title and lines with today's
// date, then prints after the print dialog under jobTitle (one of the report
// names of listprintout.h). Returns false when the user cancelled the dialog or
// printing failed. Any confirmation belongs to the caller.
bool printList(AppContext &app, QWidget *parent, const QString &jobTitle, const QString &title,
               const QStringList &lines);

} // namespace listprint
