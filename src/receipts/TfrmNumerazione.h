#pragma once

#include "app/Dialog.h"

class QLabel;
class QLineEdit;

// The numbering dialog: the start number of the automatic numbering of receipts, one for all
// years, kept in the settings file. It reads and writes the setting only in the mode "ricevute".
class TfrmNumerazione : public Dialog {
    Q_OBJECT
public:
    explicit TfrmNumerazione(QWidget* parent = nullptr);
    void setModeKey(const QString& key);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool forReceipts() const;
    void btnApplicaClick();

    QLabel* m_lblMemory;
    QLineEdit* m_txtInizio;
};
