#pragma once

#include "CardFace.h"
#include "CardSettings.h"
#include "app/ReportDialog.h"

class QCheckBox;
class QRadioButton;

// " Stampa tesserino": prints the card through the print dialog, moved on the sheet by the top
// and left margins (whole millimetres, one a click of "-" or "+") and on a portrait or landscape
// page. The settings are kept at every print, before printing, so a printer's offset found once
// serves every card after; "Annulla" keeps nothing.
class TfrmStampaTessera : public ReportDialog {
    Q_OBJECT
public:
    TfrmStampaTessera(QWidget* card, CardFace face);

protected:
    ReportTemplate fill() override;

private:
    QWidget* buildSettings();
    void showMargins();
    CardSettings::Print chosen() const;

    CardFace m_face;
    // The settings as read when the dialog opened: printing stores only the values changed since.
    CardSettings::Print m_shown;
    CardSettings::Print m_print;
    QRadioButton* m_optVerticale;
    QRadioButton* m_optOrizzontale;
    QCheckBox* m_chkCodiceQR;
};
