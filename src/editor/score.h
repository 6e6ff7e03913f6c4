#pragma once

#include <QString>

// The score field's normal form: a decimal number with the decimal comma, no
// grouping and exactly two decimals ("0,00", "7,50", "28,00").
namespace score
{

// What the score field becomes when it is left. An empty text, or one that is
// not a number (two commas, a period, letters), gives "0,00". The value held in
// double precision is rounded half up at the second decimal on its exact decimal
// digits, so 0,015 (held as 0,01499999...) gives 0,01 and 2,345 gives 2,35 on
// every machine; negative values are rounded the same way on their magnitude.
QString normalised(const QString &typed);

// Reads a score as the field holds it: optional sign, digits, optionally ","
// and more digits, optionally an exponent; blanks around it allowed. At least a
// digit or the comma must be there. False when the text is not such a number.
bool parse(const QString &typed, double *value);

} // namespace score
