#pragma once

#include "app/Dialog.h"
#include "app/Platform.h"

struct FieldRow;
class QLineEdit;
class QPushButton;

// The shape of the code check dialogs: an instruction line, one field, "Controlla" and "Chiudi".
// "Controlla" answers for the typed code with a message and closes the dialog; a code of the
// wrong length earns a warning and the dialog stays open. It only informs and changes nothing.
class CodeCheckDialog : public Dialog {
    Q_OBJECT
public:
    struct Verdict {
        Platform::Box kind;
        QString text;
    };

    void setCode(const QString& code);

protected:
    // `field` is a row of static storage: its caption is the instruction line, its most
    // characters the code's length.
    CodeCheckDialog(QWidget* parent, const QString& caption, const FieldRow& field,
                    const QString& lengthWarning);
    void showEvent(QShowEvent* event) override;
    virtual Verdict check(const QString& code) const = 0;

private:
    void btnControllaClick();

    const int m_length;
    const QString m_lengthWarning;
    QLineEdit* m_field;
    QPushButton* m_btnControlla;
};
