#include "CheckInSettings.h"

#include "storage/IniFile.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QSysInfo>

namespace {

const QString kCheckIn = QStringLiteral("Accesso Rapido");
const QString kRefuse = QStringLiteral("BloccaCertificato");
const QString kDesks = QStringLiteral("Incaricati");
const QString kYes = QStringLiteral("Si");
const QString kNo = QStringLiteral("No");

QString workstation() {
    const QString host = QSysInfo::machineHostName();
    return host.isEmpty() ? QStringLiteral("Postazione") : host;
}

QString valueOf(const QString& section, const QString& key) {
    try {
        return Text::trimBlanks(IniFile::read(CheckInSettings::path()).value(section, key));
    } catch (const StorageError&) {
        return {};
    }
}

} // namespace

namespace CheckInSettings {

QString path() {
    return ProgramFolder::file(QString::fromLatin1(kFileName));
}

bool refuseWithoutCertificate() {
    return valueOf(kCheckIn, kRefuse) == kYes;
}

void setRefuseWithoutCertificate(bool refuse) {
    IniFile::update(path(), [&](IniFile& ini) { ini.setValue(kCheckIn, kRefuse, refuse ? kYes : kNo); });
}

QString deskPerson() {
    return valueOf(kDesks, workstation());
}

void setDeskPerson(const QString& person) {
    IniFile::update(path(),
                    [&](IniFile& ini) { ini.setValue(kDesks, workstation(), Text::trimBlanks(person)); });
}

} // namespace CheckInSettings
