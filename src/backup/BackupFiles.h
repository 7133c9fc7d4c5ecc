#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What a backup holds: the program's own files, recognised by name. Exports and documents the
// program writes from the archives (spreadsheets, the training card document) are left out, as
// are the backups themselves, temporaries, archive journals and anything else found in the folder:
// restoring a backup never writes a file the program does not own.
namespace BackupFiles {

enum class Kind {
    Archive,  // fixed records, copied under the archive's shared lock
    Settings, // a settings file, read back before a restore
    Plain,    // a picture, a photo, an attached file
};

struct Rule {
    Kind kind;
    // The size of one record of an archive whose layout is known; 0 when it is not (companions
    // and logs): such an archive's size cannot be checked.
    int recordSize;
    // What a restore counts it as: "iscritti", "ingressi", "ricevute", "schede"; empty for others.
    const char* counts;
};

// The rule of `relativePath` ("Archivio_Iscritti.pro", "Anagrafica/Logo.bmp"), or nothing when it
// is not a file a backup holds.
std::optional<Rule> ruleOf(const QString& relativePath);

// The program's files in `folder`, as relative paths with "/" separators, sorted. Links are
// never followed: a backup holds only what really is in the folder.
QStringList collect(const QString& folder);

} // namespace BackupFiles
