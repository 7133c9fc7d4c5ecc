#pragma once

#include "app/Dialog.h"

class QLineEdit;
class QPushButton;

// Checks the control character of a fiscal code; it only informs and changes nothing.
class TfrmCodFisc : public Dialog {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* parent = nullptr);
    void setCode(const QString& code);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnControllaClick();

    QLineEdit* m_txtCodFisc;
    QPushButton* m_btnControlla;
};
