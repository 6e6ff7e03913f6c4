#pragma once

#include "archive/record.h"

#include <QList>
#include <QString>

// The record Save stores from the editor's fields, apart from the window so
// that every way records come in (the editor, the candidate import) stores
// them alike.
namespace assembling
{

// The editor's fields as typed: the exam details as the memo shows them ("\n"
// between lines), the other texts untrimmed.
struct Fields {
    QString name;
    QString fiscalCode;
    QString provenance;
    QString examDate;
    QString details;
    QString score;
    QString notes;
    bool eligible = false;
};

// Each text encoded to Windows-1252 and cut to its field, the details with
// CR LF line breaks, the flag "Sì" or "No"; the bytes after each text are zero.
TScheda record(const Fields &fields);

// A text longer than its record field holds (it would be cut when stored).
struct Overflow {
    TScheda::Field field;
    qsizetype length;  // characters the stored text takes
    qsizetype longest; // characters the field holds
};
QList<Overflow> overflows(const Fields &fields);

} // namespace assembling
