#pragma once

#include <QString>

// What a reminder is about, and how it reaches the member.
enum class ReminderKind { Card, Certificate };
enum class ReminderChannel { WhatsApp, Email };

namespace Reminders {

// "Tessera", "Certificato medico": the list's "Tipo" and the log's record.
QString kindText(ReminderKind kind);
// "WhatsApp", "E-mail".
QString channelText(ReminderChannel channel);

} // namespace Reminders
