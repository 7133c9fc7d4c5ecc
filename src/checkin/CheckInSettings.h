#pragma once

#include <QString>

// The check-in's settings file `Accesso_Rapido.ini` in the program folder: whether entries are
// refused to members whose medical certificate expired or was never handed in (one rule for the
// association, kept for every desk), and the person in charge last named at each workstation (by
// its host name, since the folder is shared). Reading never fails: a file that cannot be read
// gives the defaults. Writes change only their key (IniFile::update) and raise StorageError.
namespace CheckInSettings {

inline constexpr const char* kFileName = "Accesso_Rapido.ini";

QString path();

bool refuseWithoutCertificate();
void setRefuseWithoutCertificate(bool refuse);

QString deskPerson();
void setDeskPerson(const QString& person);

} // namespace CheckInSettings
