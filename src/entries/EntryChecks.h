#pragma once

#include "TSchedaIngresso.h"

#include <QString>

#include <optional>

// What keeps an entry from being saved or sent: the first failed check, its message and the
// control that takes the focus.
struct EntryProblem {
    const char* field;
    QString message;
    bool notice = false; // a plain notice rather than a warning
};

// The checks of the entry screen, run on the entry as the screen shows it, in their fixed order.
// Emptiness and length are judged without the blanks at the ends.
namespace EntryChecks {

// The entry's date "gg/mm/aaaa": its day, its month's number and the register's year.
QString date(const TSchedaIngresso& entry, const QString& year);
// The entry as the register of `year` keeps it: that year, and the whole date and time built
// from their parts.
TSchedaIngresso completed(TSchedaIngresso entry, const QString& year);

std::optional<EntryProblem> beforeSaving(const TSchedaIngresso& entry, const QString& year);
std::optional<EntryProblem> beforeWhatsApp(const TSchedaIngresso& entry);
std::optional<EntryProblem> beforeEmail(const TSchedaIngresso& entry);

} // namespace EntryChecks
