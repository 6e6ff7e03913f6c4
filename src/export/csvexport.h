#pragma once

#include <QByteArray>
#include <QString>

class ExportGridModel;

// The grid as CSV for Italian spreadsheet programs: UTF-8 with BOM, ";" between
// cells, CR LF after every row, RFC 4180 quoting; the eight grid columns with
// their captions, the cells trimmed as the grid shows them (edits included).
namespace csvexport
{

QByteArray document(const ExportGridModel &grid);

// One cell, quoted when it holds the separator, a quote or a line break.
QString quoted(const QString &cell);

// Writes the document to path through a temporary file. Throws SintarelError
// with the reason.
void writeFile(const QString &path, const ExportGridModel &grid);

} // namespace csvexport
