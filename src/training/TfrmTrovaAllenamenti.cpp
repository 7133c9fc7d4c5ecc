#include "TfrmTrovaAllenamenti.h"

#include "TSchedaAllenamento.h"
#include "TfrmAllenamenti.h"
#include "TrainingLine.h"
#include "TrainingListPrint.h"
#include "app/ArchiveSearch.h"
#include "app/LastRecordWithLine.h"
#include "app/ResultListPanel.h"
#include "app/TableColumn.h"
#include "storage/StorageError.h"

namespace {

using R = TSchedaAllenamento;

// The filters in their Enter order, and the field each one is looked for in. The dates are typed
// text, matched anywhere in the stored date.
constexpr ArchiveFilter<R> kTable[] = {
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

constexpr auto kFilters = tableColumn(kTable, &ArchiveFilter<R>::row);

} // namespace

TfrmTrovaAllenamenti::TfrmTrovaAllenamenti(TfrmAllenamenti* screen)
    : SearchDialog(screen, QStringLiteral(" Trova schede allenamento in archivio"), kFilters,
                   QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda")),
      m_screen(screen) {
    setObjectName(QStringLiteral("frmTrovaAllenamenti"));
    results()->setPrintAction([this](const QStringList& lines) {
        printTrainingList(this, QStringLiteral("Riepilogo schede allenamento in archivio"), lines);
    });
}

ResultLines TfrmTrovaAllenamenti::search(const QStringList& filters) {
    return filteredLines<R>(R::path(), kTable, filters, TrainingLine::appendTo, TrainingLine::maxLength());
}

void TfrmTrovaAllenamenti::handOver(const QString& line) {
    if (modeKey() != QLatin1String("allenamenti") || !m_screen || line.isEmpty())
        return;
    try {
        if (const auto found = lastRecordWithLine(R::path(), R::Size, TrainingLine::of, line))
            m_screen->showRecord(TrainingCodec::decode(found->bytes), found->position);
    } catch (const StorageError&) {
        // The dialog just closes: the training card screen keeps what it showed.
    }
}

QString TfrmTrovaAllenamenti::countText(int lines) const {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}
