#pragma once

#include "app/Dialog.h"

class QLineEdit;
class QPushButton;

// Checks the check digit of a VAT number and names the office that issued it; it only
// informs and changes nothing.
class TfrmPartitaIva : public Dialog {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* parent = nullptr);
    void setNumber(const QString& number);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnControllaClick();

    QLineEdit* m_txtPartitaIva;
    QPushButton* m_btnControlla;
};
