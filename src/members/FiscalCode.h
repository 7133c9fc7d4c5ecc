#pragma once

#include <QString>

#include <optional>

// The control character of an Italian fiscal code (codice fiscale).
namespace FiscalCode {

// The letter the 16th character must be, computed from the first 15; nothing when one of them
// lies outside the tables of the standard.
std::optional<QChar> controlCharacter(QStringView first15);
// Exactly 16 characters, the last of them the control character of the others.
bool isValid(QStringView code);

} // namespace FiscalCode
