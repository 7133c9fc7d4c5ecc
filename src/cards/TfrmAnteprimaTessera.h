#pragma once

#include "CardFace.h"
#include "app/ReportDialog.h"

// " Anteprima di stampa": shows the card in the preview window, always on a portrait page and
// without the print margins, so the card looks the same whatever the printer needs.
class TfrmAnteprimaTessera : public ReportDialog {
    Q_OBJECT
public:
    TfrmAnteprimaTessera(QWidget* card, CardFace face);

protected:
    ReportTemplate fill() override;

private:
    CardFace m_face;
};
