#pragma once

#include "MemberSheetDialog.h"

// " Stampa scheda": prints the member sheet of the member card through the print dialog.
class TfrmStampaTiratori : public MemberSheetDialog {
    Q_OBJECT
public:
    explicit TfrmStampaTiratori(TfrmTiratori* card);
};
