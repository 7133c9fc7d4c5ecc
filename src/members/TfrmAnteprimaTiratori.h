#pragma once

#include "MemberSheetDialog.h"

// " Anteprima di stampa": shows the member sheet of the member card in the preview window.
class TfrmAnteprimaTiratori : public MemberSheetDialog {
    Q_OBJECT
public:
    explicit TfrmAnteprimaTiratori(TfrmTiratori* card);
};
