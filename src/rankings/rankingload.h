#pragma once

#include "rankings/linetable.h"
#include "rankings/rankingoptions.h"

#include <QDate>
#include <QString>

// Reading a session into the lines of the two rankings: one sequential pass over
// the file, keeping of each record only its line's bytes and its sort key.
namespace ranking
{

struct Loaded {
    LineTable lines;
    // The lines of the publication printout, same order and positions (only
    // with the publication option).
    LineTable published;
    bool complete = true; // false when opening or reading failed part way
    // With the precedence of the younger: candidates at equal score whose
    // fiscal code gives no birth date.
    qsizetype tiedWithoutBirthDate = 0;
};

// The merit ranking: every record, from the highest score down, each line with
// its position (1, 2, 3 ...). A missing file is created empty. When opening or
// reading fails no line is given. options change the order of equal scores and
// the positions; today stands for an exam date that is empty or unreadable.
Loaded loadMerit(const QString &path);
Loaded loadMerit(const QString &path, const RankingOptions &options, const QDate &today);

// The alphabetical ranking: one candidate line per record with a score (trimmed,
// not empty), in sorted-list order. A missing file is created empty. When
// reading fails part way the lines read so far are given, sorted.
Loaded loadAlphabetical(const QString &path, const RankingOptions &options = {});

// The information line of the merit window for Loaded::tiedWithoutBirthDate (not 0).
QString missingBirthDatesText(qsizetype count);

} // namespace ranking
