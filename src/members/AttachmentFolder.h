#pragma once

#include <QString>

// The folder `Documenti_Allegati`, shared by every member and training card: records keep only
// the bare names of the files copied into it, so two records attaching files of the same name
// share one file.
namespace AttachmentFolder {

// What a record's attachment field holds: 250 Windows-1252 characters.
constexpr int kNameCapacity = 250;

QString folder();
// The full name of the attached file `name`; empty when `name` is not a bare file name (a
// folder separator, "." or ".."), which a record from a shared archive may hold: such a name is
// treated as a missing file and never leads outside the folder.
QString path(const QString& name);
bool holds(const QString& name);
// Creates the folder when missing; false when it cannot be created.
bool create();
// The name under which the file the user chose as `chosenName` is copied and recorded, so that
// the record holds exactly the name of the copy: blanks at the ends removed, every character the
// record cannot hold (outside Windows-1252, control characters, separators) replaced by "_",
// cut to the record's capacity keeping the extension. A name changed this way never stands for
// the file of that name already in the folder: it is copied with copyInNew().
QString nameFor(const QString& chosenName);
// Copies `source` into the folder as `name`, replacing a file of that name only once the copy
// is complete: a failed copy leaves the file that was there untouched.
bool copyIn(const QString& source, const QString& name);
// Copies `source` into the folder under `name` or, when that is taken, the first free of
// "name (2).ext", "name (3).ext", ...; returns the name used, or the empty text when the copy
// failed, which then leaves no file behind. The name is claimed by creating it exclusively
// before the copy, so two workstations attaching files of one name at the same moment store two
// files, never one over the other.
QString copyInNew(const QString& source, const QString& name);

} // namespace AttachmentFolder
