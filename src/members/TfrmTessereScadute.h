#pragma once

#include "ExpiredListDialog.h"

// " Riepilogo tessere scadute": the members whose membership card has expired.
class TfrmTessereScadute : public ExpiredListDialog {
    Q_OBJECT
public:
    explicit TfrmTessereScadute(TfrmTiratori* card);
};
