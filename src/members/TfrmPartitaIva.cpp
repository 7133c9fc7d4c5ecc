#include "TfrmPartitaIva.h"

#include "VatNumber.h"
#include "app/FieldTable.h"

namespace {

// The instruction line is the field's caption.
constexpr FieldRow kField = {"txtPartitaIva",
                             "Immettere il numero di partita IVA e premere il pulsante di controllo.", 11,
                             Input::Digits};

} // namespace

TfrmPartitaIva::TfrmPartitaIva(QWidget* parent)
    : CodeCheckDialog(
          parent, QStringLiteral(" Controllo partita IVA"), kField,
          QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.")) {
    setObjectName(QStringLiteral("frmPartitaIva"));
}

CodeCheckDialog::Verdict TfrmPartitaIva::check(const QString& number) const {
    if (!VatNumber::isValid(number))
        return {Platform::Box::Warning,
                QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                               "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                               "che lo ha rilasciato.")};
    return {Platform::Box::Information,
            QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                           "E' stato rilasciato dall'Ufficio IVA del Comune di ") +
                VatNumber::office(number) + u'.'};
}
