#include "TfrmStampaRic.h"

TfrmStampaRic::TfrmStampaRic(QWidget* parent, TSchedaRicevuta receipt)
    : ReceiptSheetDialog(
          parent, std::move(receipt), QStringLiteral("frmStampaRic"), QStringLiteral(" Stampa ricevuta"),
          Action::Print,
          QStringLiteral(
              "L'operazione stampa la ricevuta corrente.\n\nPremere Stampa per avviare la stampa."),
          QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\rAccertarsi che la "
                         "stampante sia configurata correttamente.")) {}
