#include "TfrmTrovaIngressi.h"

#include "EntryLine.h"

namespace {

using R = TSchedaIngresso;

// The filters in their Enter order, and the field each one is looked for in.
constexpr ArchiveFilter<R> kFilters[] = {
    {{"txtDataRit", "Data ingresso (gg/mm/aaaa):"}, &R::DataIngresso},
    {{"txtMeseRit", "Mese ingresso (in lettere):"}, &R::Mese},
    {{"txtOraRit", "Ora ingresso (hh:mm):"}, &R::OraIngresso},
    {{"txtAttivita", "Attività svolta:"}, &R::AttivitaSvolta},
    {{"txtAttrezzature", "Attrezzature utilizzate:"}, &R::Attrezzature},
    {{"txtIncaricato", "Persona incaricata:"}, &R::Incaricato},
    {{"txtTesserato", "Iscritto:"}, &R::CognomeNome},
    {{"txtCodFisc", "Codice fiscale:"}, &R::CodiceFiscale},
    {{"txtNumTessera", "Tessera n."}, &R::NumeroTessera},
    {{"txtNote", "Note:"}, &R::Note},
};

constexpr ArchiveSearchSetup<R> kSetup{
    "frmTrovaIngressi",
    " Trova ingressi in archivio",
    "Fare doppio clic sulla voce in elenco per richiamare la scheda",
    "Riepilogo Ingressi",
    "ingressi",
    kEntryLine,
};

} // namespace

TfrmTrovaIngressi::TfrmTrovaIngressi(QWidget* parent, const QString& path, Open open)
    : ArchiveSearch(parent, kSetup, kFilters, path, std::move(open)) {}

QString TfrmTrovaIngressi::countText(int lines) const {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}
