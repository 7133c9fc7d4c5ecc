#include "BackupSettings.h"

#include "BackupName.h"
#include "storage/IniFile.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kSection = QStringLiteral("Backup");

QString settingsPath() {
    return ProgramFolder::file(QStringLiteral("Backup.ini"));
}

} // namespace

QString BackupSettings::defaultFolder() {
    return QDir::cleanPath(ProgramFolder::file(QStringLiteral("Backup")));
}

QString BackupSettings::destination() const {
    return folder.isEmpty() ? defaultFolder() : folder;
}

BackupSettings BackupSettings::read() {
    BackupSettings settings;
    try {
        const IniFile ini = IniFile::read(settingsPath());
        settings.folder = ini.value(kSection, QStringLiteral("Cartella"));
        settings.automatic = ini.value(kSection, QStringLiteral("Automatico"), QStringLiteral("1")) != u"0";
        bool ok = false;
        const int keep = ini.value(kSection, QStringLiteral("DaConservare")).toInt(&ok);
        if (ok && keep > 0)
            settings.keep = keep;
    } catch (const StorageError&) {
    }
    return settings;
}

void BackupSettings::write() const {
    IniFile ini = IniFile::read(settingsPath());
    // The default is kept as "the Backup subfolder", so a copied program folder keeps its own.
    const bool isDefault = QDir::cleanPath(folder) == defaultFolder();
    ini.setValue(kSection, QStringLiteral("Cartella"), isDefault ? QString() : folder);
    ini.setValue(kSection, QStringLiteral("Automatico"),
                 automatic ? QStringLiteral("1") : QStringLiteral("0"));
    ini.setValue(kSection, QStringLiteral("DaConservare"), QString::number(keep));
    ini.write();
}

bool BackupSettings::automaticDue(const QDate& today) const {
    if (!automatic)
        return false;
    for (const BackupName::Backup& backup : BackupName::list(destination()))
        if (backup.kind == BackupName::Kind::Automatic && backup.made.date() == today)
            return false;
    return true;
}

int BackupSettings::pruneAutomatic() const {
    int kept = 0;
    int removed = 0;
    for (const BackupName::Backup& backup : BackupName::list(destination())) {
        if (backup.kind != BackupName::Kind::Automatic)
            continue;
        if (++kept > keep && QFile::remove(QDir(destination()).filePath(backup.fileName)))
            ++removed;
    }
    return removed;
}
