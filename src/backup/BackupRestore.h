#pragma once

#include "BackupControl.h"

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// What a backup holds, as the user sees it before restoring it.
struct BackupContents {
    QDateTime made;
    QStringList files;
    int members = 0;
    int trainingCards = 0;
    QMap<int, int> entriesPerYear;
    QMap<int, int> receiptsPerYear;

    // The lines the restore dialog shows: the date, then each count.
    QString summary() const;
};

// Restoring a backup over the program folder. A zip that is not a backup of this program, is
// damaged, or holds a path that would leave the program folder changes nothing. Otherwise every
// file is extracted and checked beside the folder first, the current state is backed up, and only
// then is each file renamed into place. Files the backup does not hold are left as they are.
namespace BackupRestore {

struct Inspection {
    std::optional<BackupContents> contents;
    QString refusal; // why the zip cannot be restored, when `contents` is empty
};

// Reads the zip's index: the marker, every entry's path and kind, the archives' sizes.
Inspection inspect(const QString& zipPath);

// Restores the backup `zipPath` over `folder`, first backing up the folder into `safetyFolder`
// as made at `now` (a "prima del ripristino" backup); the outcome's path is that backup's.
BackupOutcome restore(const QString& zipPath, const QString& folder, const QString& safetyFolder,
                      const QDateTime& now, BackupControl* control = nullptr);

} // namespace BackupRestore
