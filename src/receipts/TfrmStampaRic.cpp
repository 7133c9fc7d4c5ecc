#include "TfrmStampaRic.h"

#include "app/PrintMessages.h"

TfrmStampaRic::TfrmStampaRic(QWidget* parent, ReceiptSheet sheet)
    : ReceiptSheetDialog(
          parent, std::move(sheet), QStringLiteral("frmStampaRic"), QStringLiteral(" Stampa ricevuta"),
          Action::Print,
          QStringLiteral(
              "L'operazione stampa la ricevuta corrente.\n\nPremere Stampa per avviare la stampa."),
          PrintMessages::kPrintFailed) {}
