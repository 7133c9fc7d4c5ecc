#include "AttachmentFolder.h"

#include "storage/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
const QString kFolder = QStringLiteral("Documenti_Allegati");
} // namespace

namespace AttachmentFolder {

QString path(const QString& name) {
    return ProgramFolder::file(kFolder + u'/' + name);
}

bool holds(const QString& name) {
    return QFileInfo::exists(path(name));
}

bool create() {
    return QDir().mkpath(ProgramFolder::file(kFolder));
}

bool copyIn(const QString& source, const QString& name) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(path(name));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (qint64 n; (n = in.read(buffer, sizeof buffer)) != 0;) {
        if (n < 0 || out.write(buffer, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

} // namespace AttachmentFolder
