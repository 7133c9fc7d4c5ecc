#pragma once

#include <QString>

// The access password, kept scrambled in `unins000.dll` (section Accesso, key Valore) and always
// compared in upper case (A-Z) without blanks at the ends.
namespace AccessPassword {

QString normalised(const QString& typed);
// The stored clear password; empty when the settings file is missing. Raises StorageError when
// the file cannot be read or the stored value is not hexadecimal.
QString stored();
// Whether the scramble keeps every character of `password`: it keeps only the low 8 bits of
// each, so a password holding "€", "ł" or an emoji could never be typed again once stored.
bool storable(const QString& password);
// Raises StorageError when the settings file cannot be written.
void store(const QString& password);

} // namespace AccessPassword
