#pragma once

#include "measure.h"

#include <QList>
#include <QString>

namespace bench
{

// Every whole-session operation on one generated session, each against the
// streaming read of the same file measured in the same run.
QList<measure::Row> measureSession(const QString &folder, const QString &path, qint64 records, int runs);

// The floor: the file read from start to end in 1 MiB blocks into one reused
// buffer, as cat does.
void streamingRead(const QString &path);

// Child-process modes of the bench (see main.cpp), each printing "<ms> <peak MB>".
// One operation on the session, run once.
int peakOf(const QString &operation, const QString &path);
// The real merit window: the selection window shown over the session's folder,
// "Graduatoria di merito" pressed, timed until the count shows; withFindAndPrint
// then finds a name and prints page 1 to a PDF before closing it.
int meritWindow(const QString &folder, const QString &sessionFile, bool withFindAndPrint);

} // namespace bench
