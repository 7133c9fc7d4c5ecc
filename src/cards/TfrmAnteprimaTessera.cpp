#include "TfrmAnteprimaTessera.h"

#include "CardDocument.h"

TfrmAnteprimaTessera::TfrmAnteprimaTessera(QWidget* card, CardFace face)
    : ReportDialog(
          card, QStringLiteral("frmAnteprimaTessera"), QStringLiteral(" Anteprima di stampa"),
          Action::Preview,
          QStringLiteral("L'operazione mostra a video il tesserino così come verrà stampato.\n\n"
                         "Premere Mostra anteprima per visualizzarlo."),
          QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a "
                         "buon fine.\n\r\n\rAccertarsi che la stampante sia configurata correttamente.")),
      m_face(std::move(face)) {
    setWaitingText(QStringLiteral("Elaborazione in corso. Attendere..."));
}

ReportTemplate TfrmAnteprimaTessera::fill() {
    return CardDocument::make(m_face);
}
