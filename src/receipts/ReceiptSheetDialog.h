#pragma once

#include "TSchedaRicevuta.h"
#include "TSchedaRicevutaExtra.h"
#include "app/ReportDialog.h"

#include <QImage>

class QCheckBox;
class QLabel;

// What a receipt sheet is printed from: the receipt as the receipt screen shows it, and where it
// is stored (position 0: a receipt not saved, which has no prints to count).
struct ReceiptSheet {
    ReceiptSheet() = default;
    ReceiptSheet(TSchedaRicevuta r) : receipt(std::move(r)) {}

    TSchedaRicevuta receipt;
    QString archivePath;
    int position = 0;
    // Its way of payment as shown; the rest as last read.
    TSchedaRicevutaExtra extra;
};

// The two dialogs in front of the printed receipt: they print or preview the receipt as the
// receipt screen shows it, saved or not, with the logo read afresh when the dialog opens. A saved
// receipt printed before prints as a duplicate: each print is counted under the companion's lock
// as the sheet is filled, and taken back when the print dialog is cancelled, so two workstations
// printing the same receipt both count theirs and never both print the original.
class ReceiptSheetDialog : public ReportDialog {
    Q_OBJECT
public:
    ReceiptSheetDialog(QWidget* parent, ReceiptSheet sheet, const QString& objectName, const QString& caption,
                       Action action, const QString& instruction, const QString& failure);

protected:
    void showEvent(QShowEvent* event) override;
    ReportTemplate fill() override;
    void printEnded(bool printed) override;

private:
    ReceiptSheet m_sheet;
    QImage m_logo;
    QLabel* m_imgLogo;
    QCheckBox* m_chkEsenteBollo;
    bool m_counted = false;
};
