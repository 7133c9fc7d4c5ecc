#pragma once

#include "TSchedaRicevuta.h"
#include "app/ReportDialog.h"

#include <QImage>

class QLabel;

// The two dialogs in front of the printed receipt: they print or preview the receipt as the
// receipt screen shows it, saved or not, with the logo read afresh when the dialog opens.
class ReceiptSheetDialog : public ReportDialog {
    Q_OBJECT
public:
    ReceiptSheetDialog(QWidget* parent, TSchedaRicevuta receipt, const QString& objectName,
                       const QString& caption, Action action, const QString& instruction,
                       const QString& failure);

protected:
    void showEvent(QShowEvent* event) override;
    ReportTemplate fill() override;

private:
    TSchedaRicevuta m_receipt;
    QImage m_logo;
    QLabel* m_imgLogo;
};
