#include "TrainingExport.h"

#include "TSchedaAllenamento.h"
#include "app/RecordColumn.h"
#include "app/TableColumn.h"

namespace {

using R = TSchedaAllenamento;

// The exported columns: header in the file, width, header in the preview grid where it differs,
// and the card's field.
constexpr RecordColumn<R> kTable[] = {
    {{"Nome allenamento", 250}, &R::NomeAllenamento},
    {{"Tipologia", 250}, &R::Tipologia},
    {{"Finalità", 250}, &R::Finalita},
    {{"Livello", 250}, &R::Livello},
    {{"Data inizio", 150}, &R::DataInizio},
    {{"Data fine", 150}, &R::DataFine},
    {{"Istruttore", 250}, &R::Istruttore},
    {{"Gruppi muscolari interessati", 350}, &R::GruppiMuscolari},
    {{"Iscritto", 250}, &R::CognomeNome},
    {{"Codice fiscale", 200}, &R::CodiceFiscale},
    {{"Tel. cellulare", 200}, &R::TelCellulare},
    {{"Peso (inizio)", 150}, &R::PesoInizio},
    {{"Giro vita (inizio)", 150}, &R::GirovitaInizio},
    {{"Fianchi (inizio)", 150}, &R::FianchiInizio},
    {{"Torace (inizio)", 150}, &R::ToraceInizio},
    {{"Addome (inizio)", 150}, &R::AddomeInizio},
    {{"Peso (fine)", 150}, &R::PesoFine},
    {{"Giro vita (fine)", 150}, &R::GirovitaFine},
    {{"Fianchi (fine)", 150}, &R::FianchiFine},
    {{"Torace (fine)", 150}, &R::ToraceFine},
    {{"Addome (fine)", 150}, &R::AddomeFine},
    {{"Altri risultati conseguiti", 300, "Altri risultati raggiunti"}, &R::AltriRisultati},
    {{"Durata totale", 250}, &R::DurataTotale},
    {{"Tempo recupero", 250}, &R::TempoRecupero},
    {{"Frequenza", 250}, &R::Frequenza},
};

constexpr auto kColumns = tableColumn(kTable, &RecordColumn<R>::column);

constexpr SpreadsheetExport kFormat{"Schede_Allenamenti.xls", "Schede Allenamento", kColumns};

} // namespace

namespace TrainingExport {

const SpreadsheetExport& format() {
    return kFormat;
}

void appendRows(GridRows& rows) {
    appendRecordRows<R>(rows, R::path(), kTable);
}

} // namespace TrainingExport
