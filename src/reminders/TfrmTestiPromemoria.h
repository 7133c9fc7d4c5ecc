#pragma once

#include "ReminderSettings.h"
#include "app/Dialog.h"

class QPlainTextEdit;

// "Testi dei promemoria": the four texts of the reminders (cards and certificates, WhatsApp and
// e-mail), with their placeholders. "Salva" stores the texts the user changed and closes.
class TfrmTestiPromemoria : public Dialog {
    Q_OBJECT
public:
    TfrmTestiPromemoria(QWidget* parent, ReminderSettings& settings);

public Q_SLOTS:
    void btnSalvaClick();
    void btnPredefinitiClick();

private:
    QPlainTextEdit* edit(ReminderKind kind, ReminderChannel channel) const;

    ReminderSettings& m_settings;
    QPlainTextEdit* m_edits[2][2];
};
