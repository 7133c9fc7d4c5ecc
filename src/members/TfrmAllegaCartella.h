#pragma once

#include "app/Dialog.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The attachments dialog: three slots, each a file copied into the attachments folder and its
// description, handed back to the hidden labels of the screen that the mode key names.
class TfrmAllegaCartella : public Dialog {
    Q_OBJECT
public:
    static constexpr int kSlots = 3;

    explicit TfrmAllegaCartella(QWidget* parent = nullptr);
    // Names the opener ("tiratori", "allenamenti") and fills the slots from its hidden labels.
    void setModeKey(const QString& key);

private:
    struct Slot {
        QLineEdit* file;
        QLineEdit* desc;
        QPushButton* apri;
    };

    void btnSfogliaClick(const Slot& slot);
    void btnApriClick(const Slot& slot);
    void btnApplicaClick();
    QWidget* opener() const;

    QLabel* m_lblMemory;
    std::array<Slot, kSlots> m_slots;
};
