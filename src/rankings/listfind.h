#pragma once

#include <QString>
#include <QStringList>

class LineTable;

// The find behind every search field of a list window (txtTrova with btnTrova).
namespace listfind
{

struct Result {
    qsizetype selected = -1; // the line to select now
    bool found = false;
};

// Finds typed in lines (which must not be empty; the caller reports an empty
// list). selected is the selected line, or -1 for none (then the first line is
// selected). The text is lowered for A to Z only and not trimmed. A new text
// (different from remembered) searches from the top and tests the first line at
// once; the remembered text goes on after the selected line, wrapping round,
// and tests the selected line last. An empty text is found nowhere. When nothing
// is found the selection stays (the first line when there was none). Sets
// remembered to the lowered text.
Result find(const QStringList &lines, qsizetype selected, const QString &typed, QString &remembered);
// The same over a list of stored lines, each turned into text as the find reaches it.
Result find(const LineTable &lines, qsizetype selected, const QString &typed, QString &remembered);

} // namespace listfind
