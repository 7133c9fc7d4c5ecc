#pragma once

#include "EntrySlipDialog.h"

// " Anteprima di stampa": shows the entry slip of the entry screen in the preview window.
class TfrmAnteprimaIngresso : public EntrySlipDialog {
    Q_OBJECT
public:
    explicit TfrmAnteprimaIngresso(TfrmIngressi* screen);
};
