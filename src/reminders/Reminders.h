#pragma once

#include "ReminderKind.h"
#include "TSchedaPromemoria.h"
#include "app/GridRows.h"
#include "storage/SpreadsheetExport.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

// The reminder desk: the cards and medical certificates that expire, or have just expired, within
// a window around today, each with the last reminder sent for that expiry; the texts of the
// reminders; and the log of the reminders handed to the desktop.
namespace Reminders {

// The last reminder logged for a line's expiry.
struct Sent {
    QString date; // "gg/mm/aaaa"
    QString time; // "hh:mm"
    QString channel;
    bool operator==(const Sent&) const = default;
};

// One line: a member and what expires. The member is the record at `position` of the members
// archive.
struct Row {
    int position = 0;
    ReminderKind kind = ReminderKind::Card;
    QDate expiry;
    QString name;
    QString mobile;
    QString email;
    std::optional<Sent> last;
};

struct Listing {
    std::vector<Row> rows;
    // Member records whose card or required certificate expiry cannot be read.
    int unreadable = 0;
};

// The lines whose expiry lies from `daysBefore` days before `today` to `daysAfter` days after it,
// in expiry order. A person may have several records (renewals entered as new members): they are
// the records of one fiscal code, or of one name when the record has none, and only the latest
// expiry of each kind counts, the later record on equal dates. A certificate "Non richiesto" and
// a member who has left (an exit date in the register) are never listed; a member record with an
// expiry that cannot be read is only counted. Raises StorageError.
Listing list(const QDate& today, int daysBefore, int daysAfter);
// The lines due for a reminder: expiring today or already expired, with no reminder yet.
int dueCount(const Listing& listing, const QDate& today);
bool isDue(const Row& row, const QDate& today);
// The count due in the window of the settings file, as the main menu shows it: 0 when the
// archives cannot be read.
int dueCount(const QDate& today);

// The lines of one kind (or both), optionally only those without a reminder.
std::vector<Row> filtered(const std::vector<Row>& rows, std::optional<ReminderKind> kind, bool onlyUnsent);

// "Scaduta da N giorni" (a card), "Scaduto da N giorni" (a certificate), "Scade oggi",
// "Scade tra N giorni"; one day is "1 giorno".
QString state(ReminderKind kind, const QDate& expiry, const QDate& today);
// "gg/mm/aaaa hh:mm, WhatsApp"; empty without a reminder.
QString lastText(const Row& row);
// The status line's count of unreadable expiries: "N schede con data di scadenza non leggibile".
QString unreadableText(int count);

// What fills a text's placeholders {NOME}, {TIPO}, {SCADENZA} and {ASSOCIAZIONE}.
struct Placeholders {
    QString name;
    QString kind;
    QString expiry;
    QString association;
};
// The values for one line; an association without a name is "l'associazione".
Placeholders placeholdersOf(const Row& row, const QString& association);
// The values for one message to several lines of one kind: the name is "socio", the expiry the
// lines' date when they share one and "in questi giorni" otherwise.
Placeholders placeholdersOf(std::span<const Row> rows, const QString& association);
// Each known placeholder replaced by its value, in one pass (a value is never read again as a
// placeholder); any other text in braces stays as typed.
QString fill(const QString& text, const Placeholders& values);
// "Promemoria scadenza tessera", "Promemoria scadenza certificato medico".
QString subject(ReminderKind kind);

// The log record of a reminder for `row` handed over at `when`.
TSchedaPromemoria logRecord(const Row& row, ReminderChannel channel, const QDateTime& when);
// Appends the records to the log under one lock. Raises StorageError; the records appended
// before the failure stay, since their messages did reach the desktop.
void log(std::span<const TSchedaPromemoria> records);
// The reminder a log record stands for, as the list shows it.
Sent sentOf(const TSchedaPromemoria& record);

// The columns of the list, for the screen's grid, the export and the printed lines.
extern const SpreadsheetExport kExport;
GridRows gridRows(std::span<const Row> rows, const QDate& today);
// The printed list: a heading line, a rule, then one fixed-width line per row.
QStringList lines(std::span<const Row> rows, const QDate& today);
// The printed list's title.
inline const QString kTitle = QStringLiteral("Scadenze di tessere e certificati medici");

} // namespace Reminders
