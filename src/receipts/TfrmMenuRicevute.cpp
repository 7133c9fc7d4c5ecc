#include "TfrmMenuRicevute.h"

#include "ReceiptGuide.h"
#include "TSchedaRicevuta.h"

namespace {

constexpr YearlyArchiveMenu::Config kConfig = {
    "frmMenuRicevute",
    " Zandorio - Stampa Ricevute",
    "In questo ambiente è possibile archiviare e stampare ricevute di pagamento generiche.",
    "Archivio ricevute di pagamento:",
    {"txtAnnoPreventivi", "Anno:", 4, Input::Digits},
    "btnApriPreventivi",
    "ricevute",
    &TSchedaRicevuta::path,
};

} // namespace

TfrmMenuRicevute::TfrmMenuRicevute() : YearlyArchiveMenu(kConfig) {
    setGuide(ReceiptGuide::kTitle, ReceiptGuide::text());
}
