#include "TfrmTrovaAllenamenti.h"

#include "TfrmAllenamenti.h"
#include "TrainingLine.h"
#include "TrainingListPrint.h"

namespace {

using R = TSchedaAllenamento;

// The filters in their Enter order, and the field each one is looked for in. The dates are typed
// text, matched anywhere in the stored date.
constexpr ArchiveFilter<R> kFilters[] = {
    {{"txtAllenamento", "Nome allenamento:"}, &R::NomeAllenamento},
    {{"txtTipologia", "Tipologia:"}, &R::Tipologia},
    {{"txtFinalita", "Finalità:"}, &R::Finalita},
    {{"txtLivello", "Livello:"}, &R::Livello},
    {{"txtData", "Data inizio (gg/mm/aaaa):"}, &R::DataInizio},
    {{"txtDataFine", "Data fine (gg/mm/aaaa):"}, &R::DataFine},
    {{"txtTesserato", "Iscritto:"}, &R::CognomeNome},
    {{"txtCodFisc", "Codice fiscale:"}, &R::CodiceFiscale},
    {{"txtIstruttore", "Istruttore:"}, &R::Istruttore},
    {{"txtEsercizi", "Esercizi:"}, &R::Esercizi},
};

constexpr ArchiveSearchSetup<R> kSetup{
    "frmTrovaAllenamenti",
    " Trova schede allenamento in archivio",
    "Fare doppio clic sulla voce in elenco per richiamare la scheda",
    "Riepilogo schede allenamento in archivio",
    "allenamenti",
    kTrainingLine,
};

} // namespace

TfrmTrovaAllenamenti::TfrmTrovaAllenamenti(TfrmAllenamenti* screen)
    : ArchiveSearch(screen, kSetup, kFilters, R::path(), [screen](const R& card, int position) {
          if (screen)
              screen->showRecord(card, position);
      }) {
    // Training lists print as the training list document, which has its own warning.
    results()->setPrintAction([this](const QStringList& lines) {
        printTrainingList(this, QString::fromUtf8(kSetup.printTitle), lines);
    });
}

QString TfrmTrovaAllenamenti::countText(int lines) const {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}
