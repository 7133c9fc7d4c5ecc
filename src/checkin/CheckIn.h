#pragma once

#include "CheckInIndex.h"
#include "entries/TSchedaIngresso.h"
#include "members/TSchedaIscritto.h"
#include "members/TSchedaSocio.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The check-in at the desk without a window: what a scanner or the desk typed finds a member, the
// member's card, certificate and remaining entries give three lights, and the entry registered is
// the one the entry screen would save after importing the member.
namespace CheckIn {

// What was typed led to one member, to several to choose from, or to a message.
struct Found {
    struct Choice {
        int position;
        QString line; // name and card number, as the list shows it
    };
    QList<Choice> choices; // one for a member found; several to choose from
    QString refusal;       // why nothing was found; empty when something was
};

// More names than fit a short list ask for a longer text instead.
constexpr int kMaxChoices = 20;

inline const QString kUnknownCard = QStringLiteral("Attenzione: tessera non riconosciuta.");

// The check-in code by its position, checked against that member's card number; otherwise a card
// number exactly; otherwise the names that hold the text. A text with a control character anywhere
// (a scanner set up wrongly) is refused as a whole; blanks alone find nothing. Raises StorageError.
Found find(CheckInIndex& index, const QString& typed);

// The member at `position` and their register data; nothing past the archive's end. Raises
// StorageError.
struct Member {
    int position = 0;
    TSchedaIscritto record;
    TSchedaSocio socio;
};
std::optional<Member> load(int position);

enum class Light { Green, Yellow, Red, Grey };
struct Lamp {
    Light light = Light::Grey;
    QString text;
};

// What the desk sees of a member at a glance, and what registering asks or refuses.
struct Status {
    Lamp card;
    Lamp certificate;
    Lamp entries;
    QString lastEntry;     // "gg/mm/aaaa hh:mm", or "Nessuno"
    QString remaining;     // for the entry registered now: the last entry's number minus one, or empty
    QStringList questions; // one for each red light, asked before registering
    QString refusal;       // with the setting on, a certificate expired or missing refuses the entry
};
Status status(const Member& member, const std::optional<CheckInIndex::LastEntry>& last, const QDate& today,
              bool refuseWithoutCertificate);

// The entry of `member` at `now`, dated in the register of now's year, with the member's fields as
// the entry screen's import puts them and saving keeps them, the sport as activity and the desk's
// person.
TSchedaIngresso entry(const TSchedaIscritto& member, const QString& remaining, const QDateTime& now,
                      const QString& deskPerson);
// Appends `entry` to the register at `registerPath` under its lock, so two desks never write onto
// the same record; returns its position. Raises StorageError.
int record(const QString& registerPath, const TSchedaIngresso& entry);

} // namespace CheckIn
