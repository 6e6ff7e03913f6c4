#pragma once

#include <QString>

class ExportGridModel;

// The grid as a real spreadsheet (XLSX, written by libxlsxwriter): one sheet
// named after the session, a bold header row with the eight grid captions, the
// record number and the score as numbers (two decimals), the exam date as a
// date shown dd/mm/yyyy, the other cells as text. A score or date that cannot be
// read stays text. Column widths follow the texts, the header stays in view and
// carries an autofilter.
namespace xlsxexport
{

// A sheet name the spreadsheet programs accept: at most 31 characters, none of
// []:*?/\ and no apostrophe at either end; "Candidati" when nothing is left.
QString sheetName(const QString &session);

// Writes the workbook to a temporary file beside path, then renames it over
// path. Throws SintarelError with the reason; path is then untouched.
void writeFile(const QString &path, const QString &session, const ExportGridModel &grid);

} // namespace xlsxexport
