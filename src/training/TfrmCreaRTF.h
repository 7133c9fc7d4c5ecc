#pragma once

#include "app/Dialog.h"

class QLabel;

// Writes the training card on screen as "Scheda_Allenamento.rtf" in the program folder, to be
// opened in a word processor, printed and handed to the member. The mode key "allenamenti"
// names the training card screen as the source; the archive is not read.
class TfrmCreaRTF : public Dialog {
    Q_OBJECT
public:
    explicit TfrmCreaRTF(QWidget* parent = nullptr);
    void setModeKey(const QString& key);

private:
    void btnStampaClick();
    void exportCard();

    QLabel* m_lblMemory;
};
