#pragma once

#include "ReceiptSheetDialog.h"

// " Stampa ricevuta": prints the receipt in both copies on one sheet, through the print dialog.
class TfrmStampaRic : public ReceiptSheetDialog {
    Q_OBJECT
public:
    TfrmStampaRic(QWidget* parent, ReceiptSheet sheet);
};
