#pragma once

#include "common/errors.h"

#include <QString>

// The password store "unins000.dll" in the program folder: an INI file whose
// section "Accesso", key "Valore", holds the scrambled password in capitals.
namespace passwordstore
{

// The stored password, decoded and trimmed; empty when the file, section or key
// is missing. Throws SintarelError when the store can't be read or decoded.
QString read(const QString &programFolder);

// Stores an already normalised password (capitals, trimmed). Throws
// SintarelError when it can't be written.
void write(const QString &programFolder, const QString &password);

// What the login compares: a to z in capitals, then trimmed.
QString normalise(const QString &typed);

// True when every character fits the store's 8 bits per character.
bool storable(const QString &password);

} // namespace passwordstore
