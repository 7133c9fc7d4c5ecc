#include "TfrmMenuRicevute.h"

#include "ReceiptGuide.h"
#include "TSchedaRicevuta.h"
#include "TfrmAttestazione.h"

#include <QPushButton>

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
    // The statement is a dialog over the menu, on the year typed above: nothing to wait for.
    QPushButton* btnApriAttestazione =
        addSection(QStringLiteral("Attestazione annuale:"), "btnApriAttestazione");
    btnApriAttestazione->setEnabled(true);
    connect(btnApriAttestazione, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> year = checkedYear())
            TfrmAttestazione::openYear(this, *year, TSchedaRicevuta::path(*year));
    });
}
