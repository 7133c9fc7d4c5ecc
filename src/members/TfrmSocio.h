#pragma once

#include "TSchedaSocio.h"
#include "app/Dialog.h"

class FieldTable;
class QLabel;
class QLineEdit;

// "Dati del socio": the register data of the member shown on the member card, with the medical
// certificate's kind and the consents. The member number is given by the program and only shown.
// From the certificate's kind and issue date the dialog proposes the expiry and, when the user
// confirms it, writes it into the member record and into the card's expiry field `expiryField`.
class TfrmSocio : public Dialog {
    Q_OBJECT
public:
    TfrmSocio(QWidget* parent, int position, const QString& memberName, const TSchedaSocio& socio,
              QLineEdit* expiryField);

    FieldTable* fields() const { return m_fields; }

public Q_SLOTS:
    void btnSalvaClick();

private:
    TSchedaSocio shown() const;
    void showNumber(const QString& number);
    void showCertificateState();

    int m_position;
    QString m_number; // as stored
    QLineEdit* m_expiryField;
    FieldTable* m_fields;
    QLabel* m_lblNumero;
    QLabel* m_lblStato;
};
