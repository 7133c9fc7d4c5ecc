#pragma once

#include <QString>

#include <optional>

// The automatic numbering of receipts: a start number, one for all years, plus the receipts
// already in the year's archive. It counts records; it does not look at the numbers used.
namespace ReceiptNumbering {

// The number proposed for a new receipt, as a plain decimal number; nothing when the start number
// is not a whole number (the settings file edited by hand).
std::optional<QString> proposed(const QString& start, int count);

// The start number as the numbering dialog leaves it: "1" for an empty text or one that is no
// number; otherwise the number rounded to a whole one (halves up), without leading zeros.
QString normalisedStart(const QString& typed);

} // namespace ReceiptNumbering
