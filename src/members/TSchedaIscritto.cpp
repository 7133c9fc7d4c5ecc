#include "TSchedaIscritto.h"

#include "storage/ProgramFolder.h"

namespace {

using R = TSchedaIscritto;

constexpr RecordField<R> kFields[] = {
    {"CognomeNome", &R::CognomeNome, 50},
    {"Sesso", &R::Sesso, 1},
    {"DataNascita", &R::DataNascita, 10},
    {"Cittadinanza", &R::Cittadinanza, 50},
    {"LuogoNascita", &R::LuogoNascita, 50},
    {"Indirizzo", &R::Indirizzo, 120},
    {"Citta", &R::Citta, 50},
    {"Cap", &R::Cap, 10},
    {"Nazione", &R::Nazione, 50},
    {"CodiceFiscale", &R::CodiceFiscale, 16},
    {"Peso", &R::Peso, 50},
    {"Statura", &R::Statura, 120},
    {"ScadenzaCertificato", &R::ScadenzaCertificato, 120},
    {"AttivitaSportiva", &R::AttivitaSportiva, 120},
    {"Email", &R::Email, 50},
    {"TelCasa", &R::TelCasa, 30},
    {"TelCellulare", &R::TelCellulare, 30},
    {"NumeroTessera", &R::NumeroTessera, 50},
    {"Quota", &R::Quota, 50},
    {"RilascioTessera", &R::RilascioTessera, 10},
    {"ScadenzaTessera", &R::ScadenzaTessera, 10},
    {"Praticante", &R::Praticante, 50},
    {"LuogoNascitaPraticante", &R::LuogoNascitaPraticante, 50},
    {"DataNascitaPraticante", &R::DataNascitaPraticante, 10},
    {"IndirizzoPraticante", &R::IndirizzoPraticante, 250},
    {"Note", &R::Note, 250},
    {"File01", &R::File01, 250},
    {"File02", &R::File02, 250},
    {"File03", &R::File03, 250},
    {"Desc01", &R::Desc01, 250},
    {"Desc02", &R::Desc02, 250},
    {"Desc03", &R::Desc03, 250},
};
static_assert(recordSize(kFields) == R::Size);

} // namespace

std::span<const RecordField<TSchedaIscritto>> TSchedaIscritto::fields() {
    return kFields;
}

QString TSchedaIscritto::path() {
    return ProgramFolder::file(QString::fromLatin1(FileName));
}
