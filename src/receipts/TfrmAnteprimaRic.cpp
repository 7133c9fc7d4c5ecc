#include "TfrmAnteprimaRic.h"

TfrmAnteprimaRic::TfrmAnteprimaRic(QWidget* parent, TSchedaRicevuta receipt)
    : ReceiptSheetDialog(
          parent, std::move(receipt), QStringLiteral("frmAnteprimaRic"),
          QStringLiteral(" Anteprima di stampa"), Action::Preview,
          QStringLiteral("L'operazione mostra a video i dati della ricevuta così come verranno "
                         "stampati.\n\nPremere Mostra anteprima per visualizzare il documento."),
          QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a "
                         "buon fine.\n\r\n\rAccertarsi che la stampante sia configurata correttamente.")) {}
