#pragma once

#include <QString>

// The folder that holds every archive, settings file, photo and document: normally the
// executable's own folder, so a whole installation can be copied or shared as one folder.
namespace ProgramFolder {

// With a trailing separator, ready to be followed by a file name.
QString path();
// Points the program folder elsewhere (command-line option, environment variable, tests).
void set(const QString& folder);
QString file(const QString& name);

} // namespace ProgramFolder
