#pragma once

#include <QString>

// The options of the rankings chosen in the ranking selection window, kept in
// Sintarel.ini in the program folder (section [Graduatorie]). All off gives the
// rankings as they always were.
struct RankingOptions {
    // At equal score the younger candidate (birth date from the fiscal code) comes first.
    bool youngerFirst = false;
    // Candidates still tied share the position of the first of them (1, 2, 2, 4).
    bool exAequo = false;
    // Printouts and PDF show only position, candidate and score.
    bool publication = false;

    bool operator==(const RankingOptions &) const = default;

    static QString fileName() { return QStringLiteral("Sintarel.ini"); }
    // The options in programFolder's file; all off when it is missing or unreadable.
    static RankingOptions load(const QString &programFolder);
    // Writes them; false when the file cannot be written.
    bool save(const QString &programFolder) const;
};
