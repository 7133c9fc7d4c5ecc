#pragma once

#include <QString>

// The folder `Documenti_Allegati`, shared by every member and training card: records keep only
// the bare names of the files copied into it, so two records attaching files of the same name
// share one file.
namespace AttachmentFolder {

// The full name of the attached file `name`.
QString path(const QString& name);
bool holds(const QString& name);
// Creates the folder when missing; false when it cannot be created.
bool create();
// Copies `source` into the folder as `name`, replacing a file of that name only once the copy
// is complete: a failed copy leaves the file that was there untouched.
bool copyIn(const QString& source, const QString& name);

} // namespace AttachmentFolder
