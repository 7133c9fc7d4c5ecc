#pragma once

#include "ReceiptSheetDialog.h"

// " Anteprima di stampa": shows the receipt in both copies in the preview window.
class TfrmAnteprimaRic : public ReceiptSheetDialog {
    Q_OBJECT
public:
    TfrmAnteprimaRic(QWidget* parent, ReceiptSheet sheet);
};
