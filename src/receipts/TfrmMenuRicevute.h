#pragma once

#include "app/YearlyArchiveMenu.h"

// The receipts menu: the year whose receipt archive the receipt screen opens.
class TfrmMenuRicevute : public YearlyArchiveMenu {
    Q_OBJECT
public:
    TfrmMenuRicevute();
};
