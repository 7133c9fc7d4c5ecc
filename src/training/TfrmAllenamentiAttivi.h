#pragma once

#include "app/OpeningListDialog.h"

class TfrmAllenamenti;

// The trainings still running, listed as the dialog opens: the sorted lines, the in-list finder,
// the printed list, and a double click that loads the card into the training card screen.
class TfrmAllenamentiAttivi : public OpeningListDialog {
    Q_OBJECT
public:
    explicit TfrmAllenamentiAttivi(TfrmAllenamenti* screen);
};
