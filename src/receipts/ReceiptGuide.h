#pragma once

#include "app/GeneralGuide.h"

// The guide page of the receipts, shown by the receipt screen and its menu: the paragraphs of the
// general guide about the receipts.
namespace ReceiptGuide {

inline const QString kTitle = QStringLiteral("App Stampa Ricevute");
inline QString text() {
    return GeneralGuide::text(39, 49);
}

} // namespace ReceiptGuide
