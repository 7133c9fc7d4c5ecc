#include "CardSettings.h"

#include "CardFace.h"
#include "storage/IniFile.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <optional>

namespace {

// The association's lines: their key in section "Associazione", the text shown while the key
// holds nothing, and where the card keeps them.
struct Line {
    const char* key;
    const char* placeholder;
    QString CardFace::*text;
};

constexpr Line kLines[] = {
    {"Denominazione", "Denominazione Associazione", &CardFace::association},
    {"Indirizzo", "Indirizzo", &CardFace::address},
    {"Recapiti", "Recapiti", &CardFace::contacts},
    {"Note", "Note", &CardFace::note},
};

const QString kAssociation = QStringLiteral("Associazione");
const QString kMargins = QStringLiteral("Margini Stampa");
const QString kTop = QStringLiteral("Superiore");
const QString kLeft = QStringLiteral("Sinistro");
const QString kPrinting = QStringLiteral("Stampa Tesserino");
const QString kOrientation = QStringLiteral("Orientamento");
const QString kPortrait = QStringLiteral("Verticale");
const QString kLandscape = QStringLiteral("Orizzontale");
const QString kAccessCode = QStringLiteral("CodiceQR");
const QString kYes = QStringLiteral("Si");
const QString kNo = QStringLiteral("No");

// The settings as stored; nothing when the file cannot be read, so every value takes its
// default.
std::optional<IniFile> readFile() {
    try {
        return IniFile::read(CardSettings::path());
    } catch (const StorageError&) {
        return std::nullopt;
    }
}

QString valueOf(const std::optional<IniFile>& ini, const QString& section, const QString& key) {
    return ini ? ini->value(section, key) : QString();
}

// A value is stored when the screen changed it, or when the file holds none yet: the first visit
// writes every key, and a key left as it was keeps what another workstation stored meanwhile.
void store(IniFile& ini, const QString& section, const QString& key, const QString& value, bool changed) {
    if (changed || ini.value(section, key).isEmpty())
        ini.setValue(section, key, value);
}

int margin(const std::optional<IniFile>& ini, const QString& key) {
    bool ok = false;
    const int value = valueOf(ini, kMargins, key).toInt(&ok);
    return ok ? value : 0;
}

} // namespace

namespace CardSettings {

QString path() {
    return ProgramFolder::file(QString::fromLatin1(kFileName));
}

void readAssociation(CardFace& face) {
    const std::optional<IniFile> ini = readFile();
    for (const Line& line : kLines) {
        const QString value = valueOf(ini, kAssociation, QString::fromLatin1(line.key));
        face.*line.text = value.isEmpty() ? QString::fromLatin1(line.placeholder) : value;
    }
}

QString associationName() {
    return valueOf(readFile(), kAssociation, QString::fromLatin1(kLines[0].key));
}

void writeAssociation(const CardFace& face, const CardFace& shown) {
    IniFile::update(path(), [&](IniFile& ini) {
        for (const Line& line : kLines) {
            const QString value = storable(face.*line.text);
            store(ini, kAssociation, QString::fromLatin1(line.key), value,
                  value != storable(shown.*line.text));
        }
    });
}

Print readPrint() {
    const std::optional<IniFile> ini = readFile();
    Print print;
    print.top = margin(ini, kTop);
    print.left = margin(ini, kLeft);
    if (valueOf(ini, kPrinting, kOrientation) == kLandscape)
        print.orientation = QPageLayout::Landscape;
    print.accessCode = Text::trimBlanks(valueOf(ini, kPrinting, kAccessCode)) == kYes;
    return print;
}

void writePrint(const Print& print, const Print& shown) {
    IniFile::update(path(), [&](IniFile& ini) {
        store(ini, kMargins, kTop, QString::number(print.top), print.top != shown.top);
        store(ini, kMargins, kLeft, QString::number(print.left), print.left != shown.left);
        store(ini, kPrinting, kOrientation,
              print.orientation == QPageLayout::Landscape ? kLandscape : kPortrait,
              print.orientation != shown.orientation);
        // Written only when the user changes it, so a file that never asked for the code stays
        // as every other installation writes it.
        if (print.accessCode != shown.accessCode)
            ini.setValue(kPrinting, kAccessCode, print.accessCode ? kYes : kNo);
    });
}

QString storable(const QString& line) {
    return Text::trimBlanks(Text::fromWin1252(Text::toWin1252(IniFile::oneLine(line))));
}

} // namespace CardSettings
