#pragma once

#include <QDate>
#include <QString>

// Program-wide formats, the same whatever the system locale: dates day first as
// "dd/mm/yyyy" and the decimal comma.
namespace formats
{

constexpr QChar kDecimalSeparator = u',';
constexpr QChar kDateSeparator = u'/';

// "09/12/2026"
QString date(const QDate &d);

// Reads "d/m/yyyy" or "dd/mm/yyyy"; an invalid QDate when the text is not a date.
QDate parseDate(const QString &s);

// A number with a fixed count of decimals and the decimal comma, no grouping:
// decimal(1234.5, 2) == "1234,50".
QString decimal(double value, int decimals);

// Reads a number written with the decimal comma (a point is accepted too, as
// typed on a numeric keypad), with an optional sign. Blanks around it are allowed.
bool parseDecimal(const QString &s, double *value);

// Sets Qt's default locale to Italian so that Qt's own widgets (calendar, print
// dialog) speak Italian whatever the system settings.
void installProgramLocale();

} // namespace formats
