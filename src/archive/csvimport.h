#pragma once

#include "archive/record.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Candidates read from a CSV file, as an application portal or a spreadsheet
// program saves them: UTF-8 (with or without BOM) or Windows-1252, ";", "," or
// TAB between cells, RFC 4180 quoting. The header row names the columns; every
// further row becomes a record by the editor's own rules.
namespace csvimport
{

// The record field a column fills.
enum class Target { Name, FiscalCode, Provenance, ExamDate, Details, Score, Notes, Eligible, Ignored };

// The caption the preview shows for a target ("Candidato", ...).
QString targetCaption(Target target);

// The target of a header cell: letter case, accents and blanks do not count.
Target targetOfHeader(const QString &header);

struct Column {
    QString header; // as the file has it, trimmed
    Target target;
};

// A row that cannot be imported, or one imported with a doubt. Rows are counted
// as a spreadsheet program shows them: the header is row 1.
struct Problem {
    int row;
    QString reason;
};

struct Reading {
    QString refusal;  // non-empty when the file as a whole cannot be imported
    QString encoding; // "UTF-8" or "Windows-1252"
    QChar separator;
    QList<Column> columns;
    QList<TScheda> records; // the rows without errors, in file order
    QList<Problem> errors;
    QList<Problem> warnings;

    bool importable() const { return refusal.isEmpty() && errors.isEmpty() && !records.isEmpty(); }
    QStringList ignoredHeaders() const;
    // "N schede da importare, E righe con errori, W avvisi"
    QString countsText() const;
};

// Splits decoded text into rows of cells (RFC 4180: quoted cells may hold the
// separator, doubled quotes and line breaks). unterminated is set when the text
// ends inside a quoted cell.
QList<QStringList> parseRows(const QString &text, QChar separator, bool *unterminated = nullptr);

// The separator the header line uses most: ";", "," or TAB (";" when none).
QChar detectSeparator(const QString &text);

// UTF-8 when the bytes are valid UTF-8 (a BOM is dropped), else Windows-1252.
QString decode(const QByteArray &bytes, QString *encoding = nullptr);

// The date as the editor stores it (dd/mm/yyyy) from dd/mm/yyyy, d/m/yyyy or
// yyyy-mm-dd; a null string when it is no real date.
QString normalisedDate(const QString &text);

// The eligibility cell: Sì, Si, S, X, 1 and true (any case, accents ignored)
// tick it; empty, No, N, 0 and false leave it clear. known is false for any
// other text, which leaves it clear too.
bool eligible(const QString &text, bool *known = nullptr);

// Reads a whole file. A missing date column gives every record the date
// today, as the editor's blank record does.
Reading read(const QByteArray &bytes, const QDate &today);

// What the preview shows. The mapping: "Candidato ← Nominativo" per mapped
// column, then the ignored ones; the file's encoding and separator.
QStringList mappingLines(const Reading &reading);
QString dialectText(const Reading &reading);
// "Riga 7: ..." for each row with errors, then "Riga 9 (avviso): ..." for warnings.
QStringList problemLines(const Reading &reading);
// The preview's columns: the record fields in stored order, then the flag.
QList<TScheda::Field> previewFields();
// A stored field as one line of the preview (line breaks shown as " / ").
QString previewText(const TScheda &record, TScheda::Field field);
// The records the preview lists.
constexpr int kPreviewRecords = 20;

// What an import's safety nets managed beside the append itself.
struct Appended {
    qint64 firstNumber = 0; // 1-based number of the first record written
    bool backupFailed = false;
    bool logFailed = false;
};

// Appends the records to the session file in one locked operation, after the
// run's first copy of the file into Backup, then logs them as new records. On
// any failure of the append the file is left as it was and SessionError is
// thrown; a failed copy or log line never stops it.
Appended appendAll(const QString &sessionPath, const QList<TScheda> &records, const QDateTime &when);

} // namespace csvimport
