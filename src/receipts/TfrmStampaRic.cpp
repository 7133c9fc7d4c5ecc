#include "TfrmStampaRic.h"

#include "app/PrintMessages.h"

TfrmStampaRic::TfrmStampaRic(QWidget* parent, TSchedaRicevuta receipt)
    : ReceiptSheetDialog(
          parent, std::move(receipt), QStringLiteral("frmStampaRic"), QStringLiteral(" Stampa ricevuta"),
          Action::Print,
          QStringLiteral(
              "L'operazione stampa la ricevuta corrente.\n\nPremere Stampa per avviare la stampa."),
          PrintMessages::kPrintFailed) {}
