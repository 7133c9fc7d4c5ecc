#include "TSchedaIngresso.h"

#include "storage/ProgramFolder.h"
#include "storage/Text.h"

namespace {

using R = TSchedaIngresso;

constexpr RecordField<R> kFields[] = {
    {"Giorno", &R::Giorno, 2},
    {"Mese", &R::Mese, 10},
    {"Anno", &R::Anno, 4},
    {"DataIngresso", &R::DataIngresso, 10},
    {"Ore", &R::Ore, 2},
    {"Minuti", &R::Minuti, 2},
    {"OraIngresso", &R::OraIngresso, 5},
    {"AttivitaSvolta", &R::AttivitaSvolta, 250},
    {"IngressiRimanenti", &R::IngressiRimanenti, 4},
    {"Attrezzature", &R::Attrezzature, 250},
    {"CognomeNome", &R::CognomeNome, 50},
    {"CodiceFiscale", &R::CodiceFiscale, 16},
    {"TelCellulare", &R::TelCellulare, 50},
    {"NumeroTessera", &R::NumeroTessera, 50},
    {"Email", &R::Email, 50},
    {"Note", &R::Note, 250},
    {"Incaricato", &R::Incaricato, 120},
};
static_assert(recordSize(kFields) == R::Size);

} // namespace

std::span<const RecordField<TSchedaIngresso>> TSchedaIngresso::fields() {
    return kFields;
}

QString TSchedaIngresso::path(const QString& year) {
    return ProgramFolder::file(Text::trimBlanks(year) + QStringLiteral(".ing"));
}
