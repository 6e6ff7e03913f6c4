#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// The spreadsheet export: an HTML table with the Office spreadsheet namespaces,
// which spreadsheet programs open directly, in Windows-1252, as one single line.
namespace spreadsheet
{

// The file's fixed name, in the program folder.
QString fileName();

// Columns of a data row as written: the candidate, fiscal code, provenance,
// exam date, total score, notes and eligibility (the record number is not).
constexpr int kWrittenColumns = 7;

// The whole file for rows 0..rowCount-1; cell(row, column) gives the texts of
// the seven written columns (column 0 = candidate ... 6 = eligibility). Cell
// texts are trimmed here, and the characters that would end a cell or start a
// tag ("&", "<", ">") become character references, so the spreadsheet shows the
// very text typed.
QByteArray document(qsizetype rowCount, const std::function<QString(qsizetype row, int column)> &cell);

// The same for cells that are mostly stored bytes, as a session holds them: cell
// gives a cell's Windows-1252 bytes and returns true, or sets text and returns
// false. Both are trimmed and escaped alike, so the file is the same.
QByteArray documentOfBytes(
    qsizetype rowCount,
    const std::function<bool(qsizetype row, int column, QByteArrayView &bytes, QString &text)> &cell);

// Creates or empties the file and writes the bytes. Throws SintarelError on
// any failure.
void writeFile(const QString &path, const QByteArray &bytes);

} // namespace spreadsheet
