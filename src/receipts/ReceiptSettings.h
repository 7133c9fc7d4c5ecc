#pragma once

#include <QString>

#include <array>

// The settings file Ricevute_Generiche.ini in the program folder: the four lines naming the payee
// association, shown already filled on every receipt screen, and the start number of the
// automatic numbering, one for all years. A missing or unreadable file, section or key reads as
// empty; writes raise StorageError and leave the file as it was. Writes change only their own keys
// of the file as it is at that moment (IniFile::update), so a workstation sharing the folder keeps
// what it set meanwhile.
namespace ReceiptSettings {

using PayeeLines = std::array<QString, 4>;

inline constexpr const char* kFileName = "Ricevute_Generiche.ini";

PayeeLines payeeLines();
// Stores, with blanks removed at both ends, the lines that differ from `shown`, the lines as they
// were read for the screen: a line left as it was keeps whatever another workstation stored
// meanwhile. The file is left untouched when it already holds them.
void setPayeeLines(const PayeeLines& lines, const PayeeLines& shown);

// Whether receipts print as exempt from stamp duty: yes unless set otherwise.
bool stampExempt();
void setStampExempt(bool exempt);

QString startNumber();
void setStartNumber(const QString& start);

} // namespace ReceiptSettings
