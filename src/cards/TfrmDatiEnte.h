#pragma once

#include "app/Dialog.h"

class FieldTable;
class QLabel;
struct CardFace;

// " Dati Ente o Associazione": the association's name, address line, contacts line and note
// line of the membership cards. "Applica e chiudi" hands them to the screen that the mode key
// names ("tessera", the card screen); "Annulla" changes nothing.
class TfrmDatiEnte : public Dialog {
    Q_OBJECT
public:
    explicit TfrmDatiEnte(QWidget* parent = nullptr);

    void setModeKey(const QString& key);
    QString modeKey() const;
    // The four fields from the association's part of the card.
    void setAssociation(const CardFace& face);
    // The four fields, as the settings file keeps them, into the association's part of `face`.
    void applyTo(CardFace& face) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnApplicaClick();

    FieldTable* m_fields;
    QLabel* m_lblMemory;
};
