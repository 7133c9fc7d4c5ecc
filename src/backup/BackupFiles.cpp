#include "BackupFiles.h"

#include "entries/TSchedaIngresso.h"
#include "members/TSchedaIscritto.h"
#include "receipts/TSchedaRicevuta.h"
#include "training/TSchedaAllenamento.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>

namespace BackupFiles {

namespace {

struct Entry {
    const char* pattern;
    Rule rule;
};

// Anchored patterns, first match wins: a companion ("2024_Extra.ric") comes before the archive
// rules so that its unknown layout is never checked as its main archive's.
const Entry kTable[] = {
    {"Archivio_Iscritti\\.pro", {Kind::Archive, TSchedaIscritto::Size, "iscritti"}},
    {"Schede_Allenamenti\\.pro", {Kind::Archive, TSchedaAllenamento::Size, "schede"}},
    {"[^/]+_Extra\\.[^/.]+", {Kind::Archive, 0, ""}},
    {"[0-9]{4}\\.ing", {Kind::Archive, TSchedaIngresso::Size, "ingressi"}},
    {"[0-9]{4}\\.ric", {Kind::Archive, TSchedaRicevuta::Size, "ricevute"}},
    {"[^/]+\\.pro", {Kind::Archive, 0, ""}},
    {"[^/]+\\.ini", {Kind::Settings, 0, ""}},
    {"unins000\\.dll", {Kind::Settings, 0, ""}},
    {"Logo\\.bmp", {Kind::Plain, 0, ""}},
    {"(Anagrafica|Documenti_Allegati)/([^/]+/)*[^/]+", {Kind::Plain, 0, ""}},
};

const QStringList kSubfolders = {QStringLiteral("Anagrafica"), QStringLiteral("Documenti_Allegati")};

bool isTemporary(const QString& relativePath) {
    static const QRegularExpression temporary(QStringLiteral("(^|/)\\.zandorio-[^/]*$"));
    return temporary.match(relativePath).hasMatch();
}

} // namespace

std::optional<Rule> ruleOf(const QString& relativePath) {
    static const auto patterns = [] {
        QList<QRegularExpression> list;
        for (const Entry& e : kTable)
            list << QRegularExpression(QRegularExpression::anchoredPattern(QString::fromLatin1(e.pattern)));
        return list;
    }();
    if (isTemporary(relativePath))
        return std::nullopt;
    for (qsizetype i = 0; i < patterns.size(); ++i)
        if (patterns[i].match(relativePath).hasMatch())
            return kTable[i].rule;
    return std::nullopt;
}

QStringList collect(const QString& folder) {
    const QDir root(folder);
    QStringList found;
    const auto take = [&](const QString& path) {
        const QString relative = root.relativeFilePath(path);
        if (ruleOf(relative))
            found << relative;
    };
    for (const QFileInfo& info : root.entryInfoList(QDir::Files | QDir::NoSymLinks))
        take(info.filePath());
    for (const QString& sub : kSubfolders) {
        QDirIterator it(root.filePath(sub), QDir::Files | QDir::NoSymLinks | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            take(it.next());
        }
    }
    found.sort();
    return found;
}

} // namespace BackupFiles
