#include "TfrmStampaIngressi.h"

#include "app/PrintMessages.h"

TfrmStampaIngressi::TfrmStampaIngressi(TfrmIngressi* screen)
    : EntrySlipDialog(
          screen, QStringLiteral("frmStampaIngressi"), QStringLiteral(" Stampa scheda"), Action::Print,
          QStringLiteral("L'operazione stampa su un foglio A4 la scheda dell'ingresso in duplice copia, "
                         "con i dati così come appaiono sullo schermo.\n\nPremere Stampa per avviare "
                         "la stampa."),
          PrintMessages::kPrintFailed) {}
