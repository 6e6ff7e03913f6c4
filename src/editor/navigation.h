#pragma once

#include <QString>

// Which stored record the editor's paging commands show. The editor's state is
// its record-number label: empty for the blank record, else the 1-based number.
namespace navigation
{

enum class Command { First, Previous, Next, Last };

struct Step {
    enum class Kind {
        Show,           // read and show record `number`
        Stay,           // nothing happens, no message
        EmptyFile,      // the session holds no record: say so
        EmptyFileClear, // as EmptyFile, and the record number is emptied first
    };
    Kind kind;
    qint64 number = 0; // 1-based, for Show
};

// The step of a paging command, given the trimmed record-number text and the
// record count. Throws SessionError when the number text is not a number.
Step step(Command command, const QString &position, qint64 count);

// The record number as a number: 0 for an empty text. Throws SessionError when
// the text is not a whole number.
qint64 positionNumber(const QString &position);

} // namespace navigation
