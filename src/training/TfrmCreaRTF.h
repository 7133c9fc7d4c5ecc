#pragma once

#include "app/Dialog.h"

class QLabel;
class TfrmAllenamenti;

// Writes the training card on the screen that opened it as "Scheda_Allenamento.rtf" in the
// program folder, to be opened in a word processor, printed and handed to the member. Only in the
// mode "allenamenti" is it written; the archive is not read.
class TfrmCreaRTF : public Dialog {
    Q_OBJECT
public:
    explicit TfrmCreaRTF(TfrmAllenamenti* screen);
    void setModeKey(const QString& key);

private:
    void btnStampaClick();
    void exportCard();

    TfrmAllenamenti* m_screen;
    QLabel* m_lblMemory;
};
