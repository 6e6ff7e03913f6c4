#pragma once

#include <QString>

// The line under a ranking list that tells the selected candidate in full, so
// name and score are seen (and heard) together whatever the list's width:
// "3° ROSSI MARIA GRAZIA — 87,50 punti" for the merit ranking, the name and the
// score for the alphabetical one.
namespace lines
{

enum class LineKind { Merit, Candidate };

// Read back from a line as the list shows it (see rankinglines.h); an empty
// line (no selection) gives an empty text, an empty score leaves its part out.
QString selectionText(const QString &line, LineKind kind);

} // namespace lines
