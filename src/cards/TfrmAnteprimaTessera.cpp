#include "TfrmAnteprimaTessera.h"

#include "CardDocument.h"
#include "CardSettings.h"
#include "app/PrintMessages.h"

TfrmAnteprimaTessera::TfrmAnteprimaTessera(QWidget* card, CardFace face)
    : ReportDialog(card, QStringLiteral("frmAnteprimaTessera"), QStringLiteral(" Anteprima di stampa"),
                   Action::Preview,
                   QStringLiteral("L'operazione mostra a video il tesserino così come verrà stampato.\n\n"
                                  "Premere Mostra anteprima per visualizzarlo."),
                   PrintMessages::kPreviewFailed),
      m_face(std::move(face)) {
    setWaitingText(QStringLiteral("Elaborazione in corso. Attendere..."));
}

ReportTemplate TfrmAnteprimaTessera::fill() {
    // The preview shows the card as it prints, check-in code included.
    return CardDocument::make(m_face, CardSettings::readPrint().accessCode);
}
