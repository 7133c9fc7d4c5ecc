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

// Both copies filled from `receipt` (every text with blanks at both ends removed) and `logo`.
ReportTemplate make(const TSchedaRicevuta& receipt, const QImage& logo);

} // namespace ReceiptDocument
