#include "ReceiptSettings.h"

#include "storage/IniFile.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <vector>

namespace {

const QString kPayee = QStringLiteral("Ricevente");
const QString kNumbering = QStringLiteral("Numerazione Ricevute");
const QString kStart = QStringLiteral("Inizio");
const QString kStamp = QStringLiteral("Imposta di bollo");
const QString kExempt = QStringLiteral("Esente");

QString path() {
    return ProgramFolder::file(QString::fromLatin1(ReceiptSettings::kFileName));
}

QString payeeKey(std::size_t i) {
    return QStringLiteral("Rigo %1").arg(i + 1);
}

} // namespace

namespace ReceiptSettings {

// A settings file that cannot be read is never reported: its values read as empty.
PayeeLines payeeLines() {
    PayeeLines lines;
    try {
        const IniFile ini = IniFile::read(path());
        for (std::size_t i = 0; i < lines.size(); ++i)
            lines[i] = ini.value(kPayee, payeeKey(i));
    } catch (const StorageError&) {
        return {};
    }
    return lines;
}

void setPayeeLines(const PayeeLines& lines, const PayeeLines& shown) {
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (Text::trimBlanks(lines[i]) != Text::trimBlanks(shown[i]))
            changed.push_back(i);
    if (changed.empty())
        return;
    IniFile::update(path(), [&](IniFile& ini) {
        for (std::size_t i : changed)
            ini.setValue(kPayee, payeeKey(i), Text::trimBlanks(lines[i]));
    });
}

bool stampExempt() {
    try {
        return IniFile::read(path()).value(kStamp, kExempt) != QLatin1String("No");
    } catch (const StorageError&) {
        return true;
    }
}

void setStampExempt(bool exempt) {
    IniFile::update(path(), [&](IniFile& ini) {
        ini.setValue(kStamp, kExempt, exempt ? QStringLiteral("Sì") : QStringLiteral("No"));
    });
}

QString startNumber() {
    try {
        return IniFile::read(path()).value(kNumbering, kStart);
    } catch (const StorageError&) {
        return {};
    }
}

void setStartNumber(const QString& start) {
    IniFile::update(path(), [&](IniFile& ini) { ini.setValue(kNumbering, kStart, Text::trimBlanks(start)); });
}

} // namespace ReceiptSettings
