#include "TSchedaPromemoria.h"

#include "storage/ProgramFolder.h"

namespace {

using R = TSchedaPromemoria;

constexpr RecordField<R> kFields[] = {
    {"Posizione", &R::Posizione, 10}, {"Tipo", &R::Tipo, 20}, {"Scadenza", &R::Scadenza, 10},
    {"Canale", &R::Canale, 10},       {"Data", &R::Data, 10}, {"Ora", &R::Ora, 5},
};
static_assert(recordSize(kFields) == R::Size);

} // namespace

std::span<const RecordField<TSchedaPromemoria>> TSchedaPromemoria::fields() {
    return kFields;
}

QString TSchedaPromemoria::path() {
    return ProgramFolder::file(QString::fromLatin1(FileName));
}
