#pragma once

#include <QDate>
#include <QString>

#include <optional>

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

// The birth date a fiscal code holds, when code (trimmed, a to z as capitals)
// passes isValid: the year from characters 7-8, the month letter 9 (A B C D E H L
// M P R S T), the day from 10-11 (41 to 71 for women), where the letters L M N P
// Q R S T U V stand for the digits 0 to 9 (omocodia). The century is the latest
// that does not put the birth after notAfter. Nothing for anything else.
std::optional<QDate> birthDate(const QString &code, const QDate &notAfter);

} // namespace fiscalcode
