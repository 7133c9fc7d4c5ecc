#pragma once

#include "AttachmentSlots.h"
#include "app/Dialog.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The attachments dialog: three slots, each a file copied into the attachments folder and its
// description, filled from the opener's slots and handed back to them on "Applica e chiudi".
class TfrmAllegaCartella : public Dialog {
    Q_OBJECT
public:
    static constexpr int kSlots = int(std::tuple_size_v<Attachments>);

    explicit TfrmAllegaCartella(AttachmentSlots* opener, QWidget* parent = nullptr);
    // Names the opener for the user ("tiratori", "allenamenti").
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

    AttachmentSlots* m_opener;
    QLabel* m_lblMemory;
    std::array<Slot, kSlots> m_slots;
};
