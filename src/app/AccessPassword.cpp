#include "AccessPassword.h"

#include "Crypt.h"
#include "storage/IniFile.h"
#include "storage/ProgramFolder.h"
#include "storage/Text.h"

#include <algorithm>

namespace {
const QString kFile = QStringLiteral("unins000.dll");
const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");
} // namespace

namespace AccessPassword {

QString normalised(const QString& typed) {
    return Text::trimBlanks(Text::upperAZ(typed));
}

QString stored() {
    const IniFile ini = IniFile::read(ProgramFolder::file(kFile));
    return Text::trimBlanks(Crypt::Unscramble(ini.value(kSection, kKey)));
}

bool storable(const QString& password) {
    return std::all_of(password.begin(), password.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

void store(const QString& password) {
    IniFile::update(ProgramFolder::file(kFile), [&](IniFile& ini) {
        ini.setValue(kSection, kKey, Text::trimBlanks(Crypt::Scramble(normalised(password))));
    });
}

} // namespace AccessPassword
