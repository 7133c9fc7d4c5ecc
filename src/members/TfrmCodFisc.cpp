#include "TfrmCodFisc.h"

#include "FiscalCode.h"
#include "app/FieldTable.h"

namespace {

// The instruction line is the field's caption.
constexpr FieldRow kField = {"txtCodFisc", "Immettere il codice fiscale e premere il pulsante di controllo.",
                             16, Input::Upper};

} // namespace

TfrmCodFisc::TfrmCodFisc(QWidget* parent)
    : CodeCheckDialog(parent, QStringLiteral(" Controllo codice fiscale"), kField,
                      QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri "
                                     "alfanumerici.")) {
    setObjectName(QStringLiteral("frmCodFisc"));
}

CodeCheckDialog::Verdict TfrmCodFisc::check(const QString& code) const {
    if (FiscalCode::isValid(code))
        return {Platform::Box::Information, QStringLiteral("Il codice fiscale digitato è VALIDO.")};
    return {Platform::Box::Warning, QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.")};
}
