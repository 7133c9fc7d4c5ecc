#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString g_folder;
}

namespace ProgramFolder {

QString path() {
    if (g_folder.isEmpty())
        set(QCoreApplication::applicationDirPath());
    return g_folder;
}

void set(const QString& folder) {
    g_folder = QDir(folder).absolutePath();
    if (!g_folder.endsWith(u'/'))
        g_folder += u'/';
}

QString file(const QString& name) {
    return path() + name;
}

} // namespace ProgramFolder
