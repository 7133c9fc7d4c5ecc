#include "ReminderSettings.h"

#include "storage/IniFile.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <optional>

namespace {

const QString kWindow = QStringLiteral("Finestra");
const QString kBefore = QStringLiteral("Giorni prima");
const QString kAfter = QStringLiteral("Giorni dopo");
const QString kTexts = QStringLiteral("Testi");

constexpr ReminderKind kKinds[] = {ReminderKind::Card, ReminderKind::Certificate};
constexpr ReminderChannel kChannels[] = {ReminderChannel::WhatsApp, ReminderChannel::Email};

// "Tessera WhatsApp", "Certificato E-mail", ...
QString textKey(ReminderKind kind, ReminderChannel channel) {
    return (kind == ReminderKind::Card ? QStringLiteral("Tessera ") : QStringLiteral("Certificato ")) +
           Reminders::channelText(channel);
}

int days(const std::optional<IniFile>& ini, const QString& key, int fallback) {
    if (!ini)
        return fallback;
    const QString text = ini->value(kWindow, key).trimmed();
    bool ok = false;
    const int value = text.toInt(&ok);
    return Text::isDigits(text) && ok && value <= ReminderSettings::kMostDays ? value : fallback;
}

// A text as the settings file keeps it: on one line, Windows-1252, blanks at the ends removed.
QString storable(const QString& text) {
    return Text::trimBlanks(Text::fromWin1252(Text::toWin1252(IniFile::oneLine(text))));
}

} // namespace

QString ReminderSettings::path() {
    return ProgramFolder::file(QString::fromLatin1(kFileName));
}

QString ReminderSettings::defaultText(ReminderKind kind, ReminderChannel channel) {
    const bool card = kind == ReminderKind::Card;
    if (channel == ReminderChannel::WhatsApp)
        return card ? QStringLiteral("Gentile {NOME}, le ricordiamo che la sua tessera di socio presso "
                                     "{ASSOCIAZIONE} ha scadenza {SCADENZA}. La aspettiamo in segreteria "
                                     "per il rinnovo. Cordiali saluti.")
                    : QStringLiteral("Gentile {NOME}, le ricordiamo che il suo certificato medico "
                                     "depositato presso {ASSOCIAZIONE} ha scadenza {SCADENZA}. La preghiamo "
                                     "di consegnarci il nuovo certificato. Cordiali saluti.");
    return card
               ? QStringLiteral("Gentile {NOME}, con la presente le ricordiamo che la sua tessera di socio "
                                "presso {ASSOCIAZIONE} ha scadenza {SCADENZA}. Per continuare a frequentare "
                                "le nostre attività la invitiamo a rinnovarla presso la segreteria. "
                                "Cordiali saluti.")
               : QStringLiteral("Gentile {NOME}, con la presente le ricordiamo che il suo certificato medico "
                                "depositato presso {ASSOCIAZIONE} ha scadenza {SCADENZA}. Senza un "
                                "certificato valido non è possibile svolgere l'attività sportiva: la "
                                "preghiamo di consegnarci al più presto il nuovo certificato. Cordiali "
                                "saluti.");
}

ReminderSettings ReminderSettings::read() {
    std::optional<IniFile> ini;
    try {
        ini = IniFile::read(path());
    } catch (const StorageError&) {
        // Every value takes its default.
    }
    ReminderSettings s;
    s.daysBefore = days(ini, kBefore, kDefaultDaysBefore);
    s.daysAfter = days(ini, kAfter, kDefaultDaysAfter);
    for (ReminderKind kind : kKinds)
        for (ReminderChannel channel : kChannels) {
            const QString stored =
                ini ? Text::trimBlanks(ini->value(kTexts, textKey(kind, channel))) : QString();
            s.text(kind, channel) = stored.isEmpty() ? defaultText(kind, channel) : stored;
        }
    return s;
}

void ReminderSettings::write(const ReminderSettings& shown) const {
    IniFile::update(path(), [&](IniFile& ini) {
        if (daysBefore != shown.daysBefore)
            ini.setValue(kWindow, kBefore, QString::number(daysBefore));
        if (daysAfter != shown.daysAfter)
            ini.setValue(kWindow, kAfter, QString::number(daysAfter));
        for (ReminderKind kind : kKinds)
            for (ReminderChannel channel : kChannels) {
                const QString value = storable(text(kind, channel));
                if (value != storable(shown.text(kind, channel)))
                    ini.setValue(kTexts, textKey(kind, channel), value);
            }
    });
}
