#include "CertificateState.h"

#include "storage/DateText.h"

namespace CertificateState {

State of(const QString& expiry, const QString& kind, const QDate& today) {
    if (kind == QLatin1String(kNotRequiredKind))
        return State::NotRequired;
    const QDate date = DateText::parse(expiry);
    if (!date.isValid())
        return State::Missing;
    if (today > date)
        return State::Expired;
    return today.daysTo(date) <= kExpiringDays ? State::Expiring : State::Valid;
}

QString text(State state) {
    switch (state) {
    case State::NotRequired:
        return QStringLiteral("Non richiesto");
    case State::Missing:
        return QStringLiteral("Mancante");
    case State::Expired:
        return QStringLiteral("Scaduto");
    case State::Expiring:
        return QStringLiteral("In scadenza");
    case State::Valid:
        return QStringLiteral("Valido");
    }
    return {};
}

} // namespace CertificateState
