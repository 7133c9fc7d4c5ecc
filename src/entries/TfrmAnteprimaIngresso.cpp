#include "TfrmAnteprimaIngresso.h"

#include "app/PrintMessages.h"

TfrmAnteprimaIngresso::TfrmAnteprimaIngresso(TfrmIngressi* screen)
    : EntrySlipDialog(screen, QStringLiteral("frmAnteprimaIngresso"), QStringLiteral(" Anteprima di stampa"),
                      Action::Preview,
                      QStringLiteral("L'operazione mostra a video la scheda dell'ingresso così come verrà "
                                     "stampata.\n\nPremere Mostra anteprima per visualizzarla."),
                      PrintMessages::kPreviewFailed) {}
