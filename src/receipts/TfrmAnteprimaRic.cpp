#include "TfrmAnteprimaRic.h"

#include "app/PrintMessages.h"

TfrmAnteprimaRic::TfrmAnteprimaRic(QWidget* parent, ReceiptSheet sheet)
    : ReceiptSheetDialog(
          parent, std::move(sheet), QStringLiteral("frmAnteprimaRic"), QStringLiteral(" Anteprima di stampa"),
          Action::Preview,
          QStringLiteral("L'operazione mostra a video i dati della ricevuta così come verranno "
                         "stampati.\n\nPremere Mostra anteprima per visualizzare il documento."),
          PrintMessages::kPreviewFailed) {}
