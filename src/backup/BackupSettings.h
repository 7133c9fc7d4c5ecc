#pragma once

#include <QDate>
#include <QString>

// The backup settings, kept in "Backup.ini" in the program folder: where backups go, whether one
// is made automatically when the program closes, and how many automatic ones are kept.
struct BackupSettings {
    static constexpr int kDefaultKeep = 10;

    QString folder; // empty: the Backup subfolder of the program folder
    bool automatic = true;
    int keep = kDefaultKeep;

    static QString defaultFolder();
    QString destination() const;

    // A missing or unreadable file gives the defaults.
    static BackupSettings read();
    // Raises StorageError, the file kept as it was, when it cannot be written.
    void write() const;

    // True when an automatic backup is to be made today: the setting is on and the destination
    // holds no automatic backup made on `today`.
    bool automaticDue(const QDate& today) const;
    // Removes the oldest automatic backups of the destination beyond `keep`; manual backups and
    // those made before a restore are never removed. Returns how many were removed.
    int pruneAutomatic() const;
};
