#include "BackupName.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace BackupName {

namespace {

QString suffixOf(Kind kind) {
    switch (kind) {
    case Kind::Automatic:
        return QStringLiteral("_automatico");
    case Kind::BeforeRestore:
        return QStringLiteral("_prima_del_ripristino");
    case Kind::Manual:
        break;
    }
    return {};
}

} // namespace

QString fileName(Kind kind, const QDateTime& made, int copy) {
    QString name =
        QStringLiteral("Zandorio_") + made.toString(QStringLiteral("yyyy-MM-dd_hhmm")) + suffixOf(kind);
    if (copy > 1)
        name += u'_' + QString::number(copy);
    return name + QStringLiteral(".zip");
}

QString freeName(const QString& folder, Kind kind, const QDateTime& made) {
    const QDir dir(folder);
    for (int copy = 1;; ++copy) {
        const QString name = fileName(kind, made, copy);
        if (!QFileInfo::exists(dir.filePath(name)))
            return name;
    }
}

std::optional<Backup> parse(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("^Zandorio_([0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{4})(_automatico|_prima_del_ripristino)?(_"
                       "[0-9]+)?\\.zip$"));
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch())
        return std::nullopt;
    const QDateTime made = QDateTime::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd_hhmm"));
    if (!made.isValid())
        return std::nullopt;
    const QString suffix = m.captured(2);
    const Kind kind = suffix.isEmpty()                      ? Kind::Manual
                      : suffix == suffixOf(Kind::Automatic) ? Kind::Automatic
                                                            : Kind::BeforeRestore;
    return Backup{name, made, kind, 0};
}

QList<Backup> list(const QString& folder) {
    QList<Backup> found;
    for (const QFileInfo& info :
         QDir(folder).entryInfoList({QStringLiteral("Zandorio_*.zip")}, QDir::Files)) {
        if (std::optional<Backup> backup = parse(info.fileName())) {
            backup->size = info.size();
            found << *backup;
        }
    }
    std::sort(found.begin(), found.end(), [](const Backup& a, const Backup& b) {
        return a.made != b.made ? a.made > b.made : a.fileName > b.fileName;
    });
    return found;
}

QString kindText(Kind kind) {
    switch (kind) {
    case Kind::Automatic:
        return QStringLiteral("Automatico");
    case Kind::BeforeRestore:
        return QStringLiteral("Prima del ripristino");
    case Kind::Manual:
        break;
    }
    return QStringLiteral("Manuale");
}

} // namespace BackupName
