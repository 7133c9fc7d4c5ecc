#include "TfrmTrovaRic.h"

#include "ReceiptCompanion.h"
#include "ReceiptLine.h"

namespace {

using R = TSchedaRicevuta;

// The filters in their Enter order, and the field each one is looked for in. The period's end
// and the amount have none.
constexpr ArchiveFilter<R> kFilters[] = {
    {{"txtNumRic", "Ricevuta n."}, &R::NumeroRicevuta},
    {{"txtData", "Data emissione (gg/mm/aaaa):"}, &R::DataRicevuta},
    {{"txtPagatore", "Pagatore:"}, &R::Pagatore},
    {{"txtCodFisc", "Codice fiscale:"}, &R::CodiceFiscalePagatore},
    {{"txtSport", "Attività sportiva:"}, &R::AttivitaSportiva},
    {{"txtDal", "Data inizio (gg/mm/aaaa):"}, &R::PeriodoDal},
    {{"txtPraticante", "Praticante:"}, &R::Praticante},
    {{"txtDataNasc", "Data di nascita:"}, &R::DataNascitaPraticante},
    {{"txtLuogoNasc", "Luogo di nascita:"}, &R::LuogoNascitaPraticante},
    {{"txtIndirizzo", "Indirizzo:"}, &R::IndirizzoPraticante},
};

std::vector<bool> cancelledReceipts(const QString& path) {
    std::vector<bool> cancelled;
    for (const ReceiptCompanion::Marks& mark : ReceiptCompanion::marks(path))
        cancelled.push_back(mark.cancelled);
    return cancelled;
}

constexpr ArchiveSearchSetup<R> kSetup{
    "frmTrovaRic",
    " Trova ricevute in archivio",
    "Fare doppio clic su una voce in elenco per richiamare la scheda",
    "Riepilogo ricevute emesse",
    "ricevuta",
    kReceiptLine,
    nullptr,
    {kCancelledMark, cancelledReceipts},
};

} // namespace

TfrmTrovaRic::TfrmTrovaRic(QWidget* parent, const QString& path, Open open)
    : ArchiveSearch(parent, kSetup, kFilters, path, std::move(open)) {
    // Receipts are listed as they were issued, which is the order of their numbers.
    results()->setSorted(false);
}

QString TfrmTrovaRic::countText(int lines) const {
    return QStringLiteral("Il presente elenco contiene %1 schede.").arg(lines);
}
