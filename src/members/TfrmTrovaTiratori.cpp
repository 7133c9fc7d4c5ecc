#include "TfrmTrovaTiratori.h"

#include "MemberLine.h"
#include "MemberTarget.h"

namespace {

using R = TSchedaIscritto;

// The filters in their Enter order, and the field each one is looked for in.
constexpr ArchiveFilter<R> kFilters[] = {
    {{"txtTiratore", "Cognome e nome:", 0, Input::Free, nullptr, nullptr, "effCampo01"}, &R::CognomeNome},
    {{"txtDataNasc", "Data di nascita (gg/mm/aaaa):", 0, Input::Free, nullptr, nullptr, "effCampo02"},
     &R::DataNascita},
    {{"txtCittadinanza", "Cittadinanza:", 0, Input::Free, nullptr, nullptr, "effCampo03"}, &R::Cittadinanza},
    {{"txtLuogoNasc", "Luogo di nascita:", 0, Input::Free, nullptr, nullptr, "effCampo04"}, &R::LuogoNascita},
    {{"txtCodFisc", "Codice fiscale:", 0, Input::Free, nullptr, nullptr, "effCampo05"}, &R::CodiceFiscale},
    {{"txtCel", "Tel. cellulare:", 0, Input::Free, nullptr, nullptr, "effCampo06"}, &R::TelCellulare},
    {{"txtTessera", "Tessera n.", 0, Input::Free, nullptr, nullptr, "effCampo07"}, &R::NumeroTessera},
    {{"txtArmi", "Praticante:", 0, Input::Free, nullptr, nullptr, "effCampo08"}, &R::Praticante},
    {{"txtEnte", "Attività sportiva:", 0, Input::Free, nullptr, nullptr, "effCampo09"}, &R::AttivitaSportiva},
    {{"txtNote", "Note:", 0, Input::Free, nullptr, nullptr, "effCampo10"}, &R::Note},
};

constexpr ArchiveSearchSetup<R> kSetup{
    "frmTrovaTiratori",
    " Trova schede iscritti in archivio",
    "Fare doppio clic sulla voce in elenco per richiamare la scheda",
    "Riepilogo schede iscritti",
    nullptr,
    kMemberLine,
    "Attenzione: la stampa non è andata a buon fine.",
};

} // namespace

TfrmTrovaTiratori::TfrmTrovaTiratori(MemberTarget* target, QWidget* parent)
    : ArchiveSearch(parent, kSetup, kFilters, R::path(), [target](const R& member, int position) {
          if (target)
              target->receiveMember(member, position);
      }) {}
