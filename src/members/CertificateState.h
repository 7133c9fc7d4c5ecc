#pragma once

#include <QDate>
#include <QString>

// The state of a member's medical certificate, the one answer every screen gives: from the expiry
// kept on the member card, the certificate's kind and today.
namespace CertificateState {

enum class State { NotRequired, Missing, Expired, Expiring, Valid };

// The kind of certificate the register keeps for a member who needs none.
inline constexpr char kNotRequiredKind[] = "Non richiesto";

// An expiry within this many days from today is shown as close.
constexpr int kExpiringDays = 30;

// "Non richiesto" whatever the expiry; an empty or unreadable expiry is missing; the certificate
// is valid on its expiry day and expired from the next day on, as in the expired lists.
State of(const QString& expiry, const QString& kind, const QDate& today);
// "Non richiesto", "Mancante", "Scaduto", "In scadenza", "Valido".
QString text(State state);

} // namespace CertificateState
