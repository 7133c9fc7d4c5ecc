#pragma once

#include "TSchedaIngresso.h"
#include "app/RecordColumn.h"
#include "app/TableColumn.h"

#include <optional>

class EntrySelection;

// The grid of entries that the daily, monthly and annual summaries show and that every entries
// export writes: after the row number "N.", these twelve columns of the entry.
namespace EntryGrid {

using R = TSchedaIngresso;
inline constexpr RecordColumn<R> kTable[] = {
    {{"Data ingresso", 150}, &R::DataIngresso},
    {{"Ora ingresso", 150}, &R::OraIngresso},
    {{"Attività svolta", 250}, &R::AttivitaSvolta},
    {{"Ingressi rimanenti", 150}, &R::IngressiRimanenti},
    {{"Attrezzature utilizzate", 250}, &R::Attrezzature},
    {{"Iscritto", 250}, &R::CognomeNome},
    {{"Codice fiscale", 200}, &R::CodiceFiscale},
    {{"Tel. cellulare", 200}, &R::TelCellulare},
    {{"Tessera n.", 200}, &R::NumeroTessera},
    {{"E-mail", 250}, &R::Email},
    {{"Note", 300}, &R::Note},
    {{"Persona incaricata", 250}, &R::Incaricato},
};

inline constexpr auto kColumns = tableColumn(kTable, &RecordColumn<R>::column);

// The rows of the entries that `selection` keeps, in register order; nothing when the register
// holds no record at all. Raises StorageError when the register cannot be read.
std::optional<GridRows> rows(const QString& path, const EntrySelection& selection);

} // namespace EntryGrid
