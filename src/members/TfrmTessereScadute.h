#pragma once

#include "TfrmTiratori.h"
#include "app/OpeningListDialog.h"

// " Riepilogo tessere scadute": the members whose membership card has expired.
class TfrmTessereScadute : public OpeningListDialog {
    Q_OBJECT
public:
    explicit TfrmTessereScadute(TfrmTiratori* card);
};
