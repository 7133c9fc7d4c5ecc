#pragma once

#include "ReminderKind.h"

#include <QString>

// The reminder desk's settings file `Promemoria.ini` in the program folder: the window of the
// list (days before and after today) and the four texts of the reminders, one per kind and
// channel. Written as every settings file is: one line per value, Windows-1252, only the keys
// the user changed (IniFile::update).
struct ReminderSettings {
    static constexpr const char* kFileName = "Promemoria.ini";
    static constexpr int kDefaultDaysBefore = 15;
    static constexpr int kDefaultDaysAfter = 30;
    // No desk looks further than ten years either way; a larger number is damage.
    static constexpr int kMostDays = 3650;

    int daysBefore = kDefaultDaysBefore;
    int daysAfter = kDefaultDaysAfter;
    QString texts[2][2]; // [kind][channel]

    QString& text(ReminderKind kind, ReminderChannel channel) { return texts[int(kind)][int(channel)]; }
    const QString& text(ReminderKind kind, ReminderChannel channel) const {
        return texts[int(kind)][int(channel)];
    }

    static QString path();
    // The text a desk starts with.
    static QString defaultText(ReminderKind kind, ReminderChannel channel);
    // The settings stored; a value that is missing, empty or cannot be what the desk writes (days
    // that are no whole number from 0 to kMostDays), or a file that cannot be read, gives the
    // default.
    static ReminderSettings read();
    // Stores the values that differ from `shown`, the settings as read for the screen, on the
    // file as it is now: another workstation's change to another value stays. A text is kept on
    // one line in Windows-1252. Raises StorageError, the old file kept.
    void write(const ReminderSettings& shown) const;

    bool operator==(const ReminderSettings&) const = default;
};
