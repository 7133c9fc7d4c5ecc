#include "TSchedaAllenamento.h"

#include "storage/ProgramFolder.h"

namespace {

using R = TSchedaAllenamento;

constexpr FieldKind C = FieldKind::Char;
constexpr FieldKind T = FieldKind::CharTrimmed;

constexpr RecordField<R> kFields[] = {
    {"NomeAllenamento", &R::NomeAllenamento, 120, C},
    {"Tipologia", &R::Tipologia, 50, C},
    {"Finalita", &R::Finalita, 120, C},
    {"Livello", &R::Livello, 50, C},
    {"DataInizio", &R::DataInizio, 10, C},
    {"DataFine", &R::DataFine, 10, C},
    {"Dieta", &R::Dieta, 2000, C},
    {"Istruttore", &R::Istruttore, 120, C},
    {"Addominali", &R::Addominali, 2, C},
    {"Adduttori", &R::Adduttori, 2, C},
    {"Bicipiti", &R::Bicipiti, 2, C},
    {"BicipitiFemorali", &R::BicipitiFemorali, 2, C},
    {"Dorsali", &R::Dorsali, 2, C},
    {"Glutei", &R::Glutei, 2, C},
    {"Pettorali", &R::Pettorali, 2, C},
    {"Polpacci", &R::Polpacci, 2, C},
    {"Quadricipiti", &R::Quadricipiti, 2, C},
    {"Spalle", &R::Spalle, 2, C},
    {"Trapezio", &R::Trapezio, 2, C},
    {"Tricipiti", &R::Tricipiti, 2, C},
    {"GruppiMuscolari", &R::GruppiMuscolari, 250, C},
    {"CognomeNome", &R::CognomeNome, 50, C},
    {"CodiceFiscale", &R::CodiceFiscale, 16, C},
    {"TelCellulare", &R::TelCellulare, 50, C},
    {"Email", &R::Email, 50, C},
    {"NumeroTessera", &R::NumeroTessera, 50, C},
    {"PesoInizio", &R::PesoInizio, 8, C},
    {"GirovitaInizio", &R::GirovitaInizio, 30, C},
    {"FianchiInizio", &R::FianchiInizio, 30, C},
    {"ToraceInizio", &R::ToraceInizio, 30, C},
    {"AddomeInizio", &R::AddomeInizio, 30, C},
    {"PesoFine", &R::PesoFine, 8, C},
    {"GirovitaFine", &R::GirovitaFine, 30, C},
    {"FianchiFine", &R::FianchiFine, 30, C},
    {"ToraceFine", &R::ToraceFine, 30, C},
    {"AddomeFine", &R::AddomeFine, 30, C},
    {"AltriRisultati", &R::AltriRisultati, 250, C},
    {"Riscaldamento", &R::Riscaldamento, 2000, C},
    {"Esercizi", &R::Esercizi, 4000, C},
    {"Stretching", &R::Stretching, 2000, C},
    {"DurataTotale", &R::DurataTotale, 50, C},
    {"TempoRecupero", &R::TempoRecupero, 50, C},
    {"Frequenza", &R::Frequenza, 50, C},
    {"File01", &R::File01, 250, T},
    {"File02", &R::File02, 250, T},
    {"File03", &R::File03, 250, T},
    {"Desc01", &R::Desc01, 250, T},
    {"Desc02", &R::Desc02, 250, T},
    {"Desc03", &R::Desc03, 250, T},
};
static_assert(std::size(kFields) == 49);
static_assert(recordSize(kFields) == R::Size);

} // namespace

std::span<const RecordField<TSchedaAllenamento>> TSchedaAllenamento::fields() {
    return kFields;
}

QString TSchedaAllenamento::path() {
    return ProgramFolder::file(QString::fromLatin1(FileName));
}
