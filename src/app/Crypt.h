#pragma once

#include <QString>

// The scrambler with which the access password is kept in its settings file.
namespace Crypt {

// Clear text -> upper-case hex, two digits per character (low 8 bits of each code).
QString Scramble(const QString& clear);
// Hex -> clear text; a trailing odd digit is ignored. Raises StorageError on a non-hex pair.
QString Unscramble(const QString& hex);

} // namespace Crypt
