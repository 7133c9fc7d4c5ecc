#include "TSchedaRicevutaExtra.h"

#include "storage/CompanionArchive.h"
#include "storage/DateText.h"
#include "storage/Text.h"

namespace {

using R = TSchedaRicevutaExtra;

constexpr RecordField<R> kFields[] = {
    {"MetodoPagamento", &R::MetodoPagamento, 40},
    {"Annullata", &R::Annullata, 2},
    {"DataAnnullamento", &R::DataAnnullamento, 10},
    {"MotivoAnnullamento", &R::MotivoAnnullamento, 120},
    {"Stampe", &R::Stampe, 4},
};
static_assert(recordSize(kFields) == R::Size);

} // namespace

std::span<const RecordField<TSchedaRicevutaExtra>> TSchedaRicevutaExtra::fields() {
    return kFields;
}

QString TSchedaRicevutaExtra::path(const QString& archivePath) {
    return CompanionArchive::pathFor(archivePath);
}

QStringList TSchedaRicevutaExtra::methods() {
    return {cash(), QStringLiteral("Bonifico bancario o postale"),
            QStringLiteral("Carta di debito, credito o prepagata"),
            QStringLiteral("Assegno bancario o circolare"), QStringLiteral("Altro mezzo tracciabile")};
}

const QString& TSchedaRicevutaExtra::cash() {
    static const QString text = QStringLiteral("Contanti");
    return text;
}

bool TSchedaRicevutaExtra::traceable(const QString& method) {
    return method != cash() && methods().contains(method);
}

int TSchedaRicevutaExtra::prints() const {
    return Text::isDigits(Stampe) ? Stampe.toInt() : 0;
}

TSchedaRicevutaExtra TSchedaRicevutaExtra::cleaned() const {
    TSchedaRicevutaExtra r;
    r.MetodoPagamento = methods().contains(MetodoPagamento) ? MetodoPagamento : QString();
    const bool answered = Annullata == QStringLiteral("Sì") || Annullata == QLatin1String("No");
    r.Annullata = answered ? Annullata : QString();
    r.DataAnnullamento = DateText::parse(DataAnnullamento).isValid() ? DataAnnullamento : QString();
    r.MotivoAnnullamento = MotivoAnnullamento;
    r.Stampe = Text::isDigits(Stampe) ? Stampe : QString();
    return r;
}
