#pragma once

#include "EntrySlipDialog.h"

// " Stampa scheda": prints the entry slip of the entry screen through the print dialog.
class TfrmStampaIngressi : public EntrySlipDialog {
    Q_OBJECT
public:
    explicit TfrmStampaIngressi(TfrmIngressi* screen);
};
