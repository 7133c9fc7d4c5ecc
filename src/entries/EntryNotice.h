#pragma once

#include "TSchedaIngresso.h"

#include <QString>
#include <QUrl>

// The confirmation a member receives of an entry, by WhatsApp or by e-mail: one sentence with the
// member's name, the date and time of the entry, the card shown and the activity.
namespace EntryNotice {

inline const QString kEmailSubject = QStringLiteral("Conferma registrazione ingresso in palestra");

// The sentence for the WhatsApp message ("Gentile ...") and the e-mail's body ("Gentile Sig. ...").
// Name, card number and activity lose their blanks at the ends; day, month, hours and minutes
// are taken as they stand, and the year is the register's.
QString whatsAppText(const TSchedaIngresso& entry, const QString& year);
QString emailBody(const TSchedaIngresso& entry, const QString& year);

// The WhatsApp send address (whatsAppUrl) for the member's mobile number and the message.
QUrl whatsAppUrl(const TSchedaIngresso& entry, const QString& year);

} // namespace EntryNotice
