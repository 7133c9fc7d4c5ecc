#pragma once

#include "TfrmTiratori.h"
#include "app/OpeningListDialog.h"

// " Riepilogo certificati medici scaduti": the members whose medical certificate has expired.
class TfrmCertScaduti : public OpeningListDialog {
    Q_OBJECT
public:
    explicit TfrmCertScaduti(TfrmTiratori* card);
};
