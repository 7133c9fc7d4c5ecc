#include "TSchedaRicevuta.h"

#include "storage/ProgramFolder.h"
#include "storage/Text.h"

namespace {

using R = TSchedaRicevuta;

constexpr RecordField<R> kFields[] = {
    {"NumeroRicevuta", &R::NumeroRicevuta, 30},
    {"DataRicevuta", &R::DataRicevuta, 10},
    {"ImportoEuro", &R::ImportoEuro, 8},
    {"ImportoCentesimi", &R::ImportoCentesimi, 2},
    {"ImportoLettere", &R::ImportoLettere, 250},
    {"CentesimiLettere", &R::CentesimiLettere, 2},
    {"ImportoTotale", &R::ImportoTotale, 11},
    {"Ricevente1", &R::Ricevente1, 50},
    {"Ricevente2", &R::Ricevente2, 50},
    {"Ricevente3", &R::Ricevente3, 50},
    {"Ricevente4", &R::Ricevente4, 50},
    {"Pagatore", &R::Pagatore, 50},
    {"CodiceFiscalePagatore", &R::CodiceFiscalePagatore, 16},
    {"AttivitaSportiva", &R::AttivitaSportiva, 120},
    {"PeriodoDal", &R::PeriodoDal, 10},
    {"PeriodoAl", &R::PeriodoAl, 10},
    {"Praticante", &R::Praticante, 50},
    {"LuogoNascitaPraticante", &R::LuogoNascitaPraticante, 50},
    {"DataNascitaPraticante", &R::DataNascitaPraticante, 10},
    {"IndirizzoPraticante", &R::IndirizzoPraticante, 250},
};
static_assert(recordSize(kFields) == R::Size);

} // namespace

std::span<const RecordField<TSchedaRicevuta>> TSchedaRicevuta::fields() {
    return kFields;
}

QString TSchedaRicevuta::path(const QString& year) {
    return ProgramFolder::file(Text::trimBlanks(year) + QStringLiteral(".ric"));
}
