#include "TfrmStampaTiratori.h"

TfrmStampaTiratori::TfrmStampaTiratori(TfrmTiratori* card)
    : MemberSheetDialog(
          card, QStringLiteral("frmStampaTiratori"), QStringLiteral(" Stampa scheda"), Action::Print,
          QStringLiteral("L'operazione stampa la scheda dell'iscritto con i dati così come appaiono "
                         "sullo schermo, foto compresa.\n\nPremere Stampa per avviare la stampa."),
          QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\rSi consiglia di "
                         "ridurre le dimensioni della foto.")) {}
