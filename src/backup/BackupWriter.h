#pragma once

#include "BackupControl.h"
#include "BackupName.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// Writes a backup: one zip file holding the program's files with their paths, written under a
// temporary name, synced, read back with every entry's checksum checked, and only then given its
// final name. A failure of any kind (full disk, removed stick, an archive locked too long, cancel)
// leaves no file with a backup's name.
namespace BackupWriter {

// The archive comment every backup carries, followed by the time it was made (ISO form): a zip
// without it is not a backup of this program.
inline constexpr char kMarker[] = "Zandorio backup ";

// Backs up the program folder `folder` into `destination` (created when missing), as a backup of
// `kind` made at `made`.
BackupOutcome make(const QString& folder, const QString& destination, BackupName::Kind kind,
                   const QDateTime& made, BackupControl* control = nullptr);

// Reads every entry of the zip at `path` back, checking its checksum, and compares the entries
// with `expected`; empty when all is well, otherwise what is wrong.
QString verify(const QString& path, const QStringList& expected, BackupControl* control = nullptr);

} // namespace BackupWriter
