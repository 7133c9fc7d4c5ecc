#pragma once

#include "ExpiredListDialog.h"

// " Riepilogo certificati medici scaduti": the members whose medical certificate has expired.
class TfrmCertScaduti : public ExpiredListDialog {
    Q_OBJECT
public:
    explicit TfrmCertScaduti(TfrmTiratori* card);
};
