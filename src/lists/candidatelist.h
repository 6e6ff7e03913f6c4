#pragma once

#include "archive/record.h"
#include "lists/filtermatch.h"
#include "rankings/linetable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The lists of the search and eligible-candidates windows: candidate lines in
// sorted-list order, each remembering the number of the record it came from, so
// that a double-click recalls that very record.
namespace candidatelist
{

struct List {
    LineTable lines;
    QList<qint64> numbers; // 1-based record number of each line
    bool complete = true;  // false when opening or reading failed part way
};

// Every record the filters accept. A missing file is created empty. When reading
// fails part way the lines read so far are given (complete = false).
List search(const QString &path, const SearchFilters &filters);

// Every record whose trimmed flag is not exactly "No".
List eligible(const QString &path);

// A record loaded back into the editor, with its 1-based number.
struct Recalled {
    TScheda record;
    qint64 number = 0;
};

// The record behind a line: the record with the remembered number when it still
// gives the same line; otherwise (the file changed since the list was filled)
// the last record in the file whose line, trimmed, equals the line, trimmed.
// Nothing when no record gives the line. Throws SessionError on a file failure.
std::optional<Recalled> recall(const QString &path, qint64 number, const QString &line);

} // namespace candidatelist
