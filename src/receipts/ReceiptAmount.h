#pragma once

#include <QString>

// The amount of a receipt as its two boxes hold it: whole euros, digits only, and cents, always
// two digits once the receipt is saved.
namespace ReceiptAmount {

// The cents box as it is left: empty gives "00", one digit gains a "0" (5 is fifty cents), more
// than two digits keep the first two. Blanks around the digits are dropped first.
QString cents(const QString& typed);

struct Normalised {
    QString euro;  // "0" when nothing was typed
    QString cents; // two digits
    QString total; // euro + "," + cents, "120,50"
};

// What a save stores from the two boxes.
Normalised normalised(const QString& euro, const QString& cents);

} // namespace ReceiptAmount
