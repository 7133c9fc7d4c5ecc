#include "TSchedaSocio.h"

#include "TSchedaIscritto.h"
#include "storage/CompanionArchive.h"
#include "storage/DateText.h"
#include "storage/Text.h"

namespace {

using R = TSchedaSocio;

constexpr RecordField<R> kFields[] = {
    {"NumeroSocio", &R::NumeroSocio, 10},         {"DataDomanda", &R::DataDomanda, 10},
    {"DataAmmissione", &R::DataAmmissione, 10},   {"DataRecesso", &R::DataRecesso, 10},
    {"CausaRecesso", &R::CausaRecesso, 20},       {"TipoCertificato", &R::TipoCertificato, 20},
    {"DataCertificato", &R::DataCertificato, 10}, {"ConsensoPrivacy", &R::ConsensoPrivacy, 2},
    {"DataConsenso", &R::DataConsenso, 10},       {"ConsensoImmagini", &R::ConsensoImmagini, 2},
};
static_assert(recordSize(kFields) == R::Size);

QString numberOrEmpty(const QString& text) {
    // Numbers are given from 1 and written without leading zeros.
    return Text::isDigits(text) && !text.startsWith(u'0') ? text : QString();
}

QString dateOrEmpty(const QString& text) {
    return DateText::parse(text).isValid() ? text : QString();
}

QString itemOrEmpty(const QString& text, const QStringList& items) {
    return items.contains(text) ? text : QString();
}

} // namespace

std::span<const RecordField<TSchedaSocio>> TSchedaSocio::fields() {
    return kFields;
}

QString TSchedaSocio::path() {
    return CompanionArchive::pathFor(TSchedaIscritto::path());
}

QStringList TSchedaSocio::causes() {
    return {QStringLiteral("Recesso"), QStringLiteral("Esclusione"), QStringLiteral("Decadenza"),
            QStringLiteral("Decesso")};
}

QStringList TSchedaSocio::certificateKinds() {
    return {QStringLiteral("Non agonistico"), QStringLiteral("Agonistico"), QStringLiteral("Non richiesto")};
}

QStringList TSchedaSocio::answers() {
    return {QStringLiteral("Sì"), QStringLiteral("No")};
}

TSchedaSocio TSchedaSocio::cleaned() const {
    TSchedaSocio r;
    r.NumeroSocio = numberOrEmpty(NumeroSocio);
    r.DataDomanda = dateOrEmpty(DataDomanda);
    r.DataAmmissione = dateOrEmpty(DataAmmissione);
    r.DataRecesso = dateOrEmpty(DataRecesso);
    r.CausaRecesso = itemOrEmpty(CausaRecesso, causes());
    r.TipoCertificato = itemOrEmpty(TipoCertificato, certificateKinds());
    r.DataCertificato = dateOrEmpty(DataCertificato);
    r.ConsensoPrivacy = itemOrEmpty(ConsensoPrivacy, answers());
    r.DataConsenso = dateOrEmpty(DataConsenso);
    r.ConsensoImmagini = itemOrEmpty(ConsensoImmagini, answers());
    return r;
}
