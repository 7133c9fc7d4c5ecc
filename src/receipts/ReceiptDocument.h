#pragma once

#include "reports/ReportTemplate.h"

#include <QImage>

struct TSchedaRicevuta;

// The receipt "Ricevuta di Pagamento": one A4 portrait sheet holding the payer's copy above, with
// room for the revenue stamp, and the receiver's copy below the cut line. The receiver's copy is
// the payer's copy placed again lower down, its names ending in "_B": only its stamp texts, its
// bar and the colour of its boxes differ. Positions are millimetres from the sheet's corner.
namespace ReceiptDocument {

// How far below the payer's copy the receiver's copy lies.
inline constexpr double kSecondCopy = 155;

// What the sheet says beyond the receipt record.
struct Marks {
    QString method;          // the way of payment, on the line "Pagamento:"
    bool duplicate = false;  // printed before: "DUPLICATO"
    bool cancelled = false;  // "ANNULLATA"
    bool stampExempt = true; // the exemption from stamp duty, or the duty paid and its stamp box
};

// Above this amount a receipt that is not exempt bears a revenue stamp.
inline constexpr const char* kStampThreshold = "77,47";

// Both copies filled from `receipt` (every text with blanks at both ends removed), `logo` and
// `marks`.
ReportTemplate make(const TSchedaRicevuta& receipt, const QImage& logo, const Marks& marks = {});

} // namespace ReceiptDocument
