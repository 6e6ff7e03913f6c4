#pragma once

#include "common/errors.h"

#include <QString>

// Scrambling of the stored password: each character's low 8 bits are XORed with
// a running 16-bit key fed by the scrambled bytes, and written as two upper-case
// hexadecimal digits.
namespace Crypt
{

QString Encrypt(const QString &text);

// The inverse. A last odd digit is ignored; a pair that is not hexadecimal throws
// SintarelError.
QString Decrypt(const QString &hex);

} // namespace Crypt
