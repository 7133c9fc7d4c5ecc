#pragma once

#include <QString>

#include <array>

// The settings file Ricevute_Generiche.ini in the program folder: the four lines naming the payee
// association, shown already filled on every receipt screen, and the start number of the
// automatic numbering, one for all years. A missing or unreadable file, section or key reads as
// empty; writes raise StorageError and leave the file as it was.
namespace ReceiptSettings {

using PayeeLines = std::array<QString, 4>;

inline constexpr const char* kFileName = "Ricevute_Generiche.ini";

PayeeLines payeeLines();
// Stored with blanks removed at both ends; the file is left untouched when it already holds them.
void setPayeeLines(const PayeeLines& lines);

QString startNumber();
void setStartNumber(const QString& start);

} // namespace ReceiptSettings
