#pragma once

#include <QString>

// The check character of the Italian fiscal code ("codice fiscale"). Only the
// 16th character is tested against the first fifteen: the layout of letters and
// digits, the month letter, the day and the place code are not examined.
namespace fiscalcode
{

constexpr int kLength = 16;

// The values of the characters "0" (code 48) to "Z" (code 90) in odd and even
// positions; -1 for any other character.
int oddValue(QChar c);
int evenValue(QChar c);

// The check letter for the first fifteen characters of code, or a null QChar when
// code is shorter or one of those characters lies outside "0" to "Z".
QChar expectedCheckCharacter(const QString &code);

// True exactly when code has 16 characters, the first fifteen lie in "0" to "Z"
// and the 16th is their check letter. Case matters: callers upper-case first.
bool isValid(const QString &code);

} // namespace fiscalcode
