#pragma once

#include "rankings/linetable.h"

#include <QString>

// Reading a session into the lines of the two rankings: one sequential pass over
// the file, keeping of each record only its line's bytes and its sort key.
namespace ranking
{

struct Loaded {
    LineTable lines;
    bool complete = true; // false when opening or reading failed part way
};

// The merit ranking: every record, from the highest score down, each line with
// its position (1, 2, 3 ...). A missing file is created empty. When opening or
// reading fails no line is given.
Loaded loadMerit(const QString &path);

// The alphabetical ranking: one candidate line per record with a score (trimmed,
// not empty), in sorted-list order. A missing file is created empty. When
// reading fails part way the lines read so far are given, sorted.
Loaded loadAlphabetical(const QString &path);

} // namespace ranking
