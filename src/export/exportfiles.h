#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class ExportGridModel;

// What the XLSX and CSV writers share: the grid rows to write and the way a file
// replaces an earlier one.
namespace exportfiles
{

// The rows that hold any text: the empty rows the grid shows for an empty
// session are left out.
QList<int> filledRows(const ExportGridModel &grid);

// A grid cell as written: trimmed.
QString cellText(const ExportGridModel &grid, int row, int column);

// A name in the folder of path, free at this moment, for writing before the
// rename.
QString temporaryPathBeside(const QString &path);

// Renames temporary over path (replacing it in one step). Throws SintarelError
// with the reason, after removing temporary, when that fails.
void moveOver(const QString &temporary, const QString &path);

// Writes bytes to a temporary file beside path, then renames it over path.
// Throws SintarelError with the reason on any failure; path is then untouched.
void writeReplacing(const QString &path, const QByteArray &bytes);

} // namespace exportfiles
