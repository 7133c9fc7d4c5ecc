#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The names of backup files, "Zandorio_AAAA-MM-GG_hhmm.zip", with a suffix that tells how the
// backup came about: the automatic ones are the only ones the program ever removes, and the one
// made before a restore is the way back from it.
namespace BackupName {

enum class Kind { Manual, Automatic, BeforeRestore };

struct Backup {
    QString fileName;
    QDateTime made;
    Kind kind;
    qint64 size;
};

// The name of a backup made at `made`; `copy` above 1 tells apart backups of the same minute.
QString fileName(Kind kind, const QDateTime& made, int copy = 1);
// A name `fileName` free in `folder` for a backup made at `made`.
QString freeName(const QString& folder, Kind kind, const QDateTime& made);
// What the name tells, or nothing when it is not a backup's name.
std::optional<Backup> parse(const QString& fileName);
// The backups in `folder`, newest first.
QList<Backup> list(const QString& folder);
// "Manuale", "Automatico", "Prima del ripristino".
QString kindText(Kind kind);

} // namespace BackupName
