#pragma once

#include <QString>

// The Italian VAT number ("partita IVA"): eleven digits, the last a Luhn check
// digit over the first ten; digits 8 to 10 name the VAT office that issued it.
namespace vatnumber
{

constexpr int kLength = 11;

// True exactly when number is eleven digits 0 to 9 and the last is the check
// digit of the first ten. The office code is not required to be known.
bool isValid(const QString &number);

// The check digit (0 to 9) of the first ten characters, or -1 when they are not
// ten digits.
int checkDigit(const QString &number);

// The three-digit office code of a number: its characters 8 to 10.
QString officeCode(const QString &number);

// The office's name for a three-digit code ("001" gives "Torino"); an empty text
// for a code without an entry.
QString officeName(const QString &code);

} // namespace vatnumber
