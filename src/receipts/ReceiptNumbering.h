#pragma once

#include <QSet>
#include <QString>

#include <optional>

// The automatic numbering of receipts: a start number, one for all years, plus the receipts
// already in the year's archive. The proposal counts records; the save then makes sure that no
// two receipts of an archive share a number.
namespace ReceiptNumbering {

// What a save does with the number of the receipt on screen, decided under the archive's lock.
struct Settled {
    enum Kind {
        Kept,       // no other receipt has it
        Renumbered, // the proposed number was taken meanwhile: `number` is the next free one
        Taken       // another receipt has it: nothing is saved
    } kind;
    QString number;
};

// `number` is the receipt's as it will be stored; `proposed` when it is the one "Nuovo" proposed
// and the user kept; `others` the numbers of every other receipt of the archive. A proposed number
// that was taken moves on to the first free whole number after it.
Settled settle(const QString& number, bool proposed, const QSet<QString>& others);

// The number proposed for a new receipt, as a plain decimal number; nothing when the start number
// is not a whole number (the settings file edited by hand).
std::optional<QString> proposed(const QString& start, int count);

// The start number as the numbering dialog leaves it: "1" for an empty text or one that is no
// number; otherwise the number rounded to a whole one (halves up), without leading zeros.
QString normalisedStart(const QString& typed);

} // namespace ReceiptNumbering
