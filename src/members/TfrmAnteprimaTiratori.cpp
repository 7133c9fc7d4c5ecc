#include "TfrmAnteprimaTiratori.h"

TfrmAnteprimaTiratori::TfrmAnteprimaTiratori(TfrmTiratori* card)
    : MemberSheetDialog(
          card, QStringLiteral("frmAnteprimaTiratori"), QStringLiteral(" Anteprima di stampa"),
          Action::Preview,
          QStringLiteral("L'operazione mostra a video la scheda dell'iscritto così come verrà "
                         "stampata.\n\nPremere Mostra anteprima per visualizzarla."),
          QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a "
                         "buon fine.\n\r\n\rSi consiglia di ridurre le dimensioni della foto.")) {}
