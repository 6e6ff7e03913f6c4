#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Text rules shared by every screen: trimming, a-z/A-Z-only case folding and the
// order of sorted lists. Accented letters never change case here.
namespace text
{

// Removes leading and trailing characters whose code is 32 or below.
QString trimmed(const QString &s);
// The same for stored Windows-1252 bytes (a byte is one character).
QByteArrayView trimmed(QByteArrayView bytes);

// Turns every control character (codes below 32 and 127) into a blank, in
// place, so a stored LF or TAB cannot hide the rest of a list line or printout;
// keepLineBreaks leaves '\n' for texts of several lines. Touches nothing when
// there is none.
void blankControls(QString &s, bool keepLineBreaks = false);

// Turns only the letters a to z into capitals.
QString upperAZ(const QString &s);

// Turns only the letters A to Z into lower case.
QString lowerAZ(const QString &s);

// Sorted-list comparison: character codes compared after turning a to z into
// capitals; a line that begins a longer one comes first. Returns <0, 0, >0.
int compareSorted(const QString &a, const QString &b);

inline bool sortedLess(const QString &a, const QString &b)
{
    return compareSorted(a, b) < 0;
}

// Sorts lines in sorted-list order (stable, so equal lines keep their order).
void sortLines(QStringList &lines);

// What a screen reader says for a label showing a value: the caption and the
// value, one blank between ("Scheda 3"); either alone when the other is empty.
QString spokenValue(const QString &caption, const QString &value);

} // namespace text
