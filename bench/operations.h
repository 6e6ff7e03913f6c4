#pragma once

#include "measure.h"

#include <QList>
#include <QString>

namespace bench
{

// Every whole-session operation on one generated session, each against the plain
// read of the same file measured in the same run.
QList<measure::Row> measureSession(const QString &folder, const QString &path, qint64 records, int runs);

} // namespace bench
