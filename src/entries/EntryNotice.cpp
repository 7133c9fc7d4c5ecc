#include "EntryNotice.h"

#include "app/WhatsAppAddress.h"
#include "storage/Text.h"

namespace {

QString sentence(const QString& greeting, const TSchedaIngresso& e, const QString& year) {
    return greeting + Text::trimBlanks(e.CognomeNome) +
           QStringLiteral(", con la presente le confermiamo la corretta registrazione del suo ingresso in "
                          "palestra avvenuto in data ") +
           e.Giorno + u' ' + e.Mese + u' ' + year + QStringLiteral(" alle ore ") + e.Ore + u':' + e.Minuti +
           QStringLiteral(" esibendo la sua tessera n. ") + Text::trimBlanks(e.NumeroTessera) +
           QStringLiteral(" per svolgere l'attività di ") + Text::trimBlanks(e.AttivitaSvolta) +
           QStringLiteral(". Ringraziandola per la preferenza accordataci, le porgiamo cordiali saluti.");
}

} // namespace

namespace EntryNotice {

QString whatsAppText(const TSchedaIngresso& entry, const QString& year) {
    return sentence(QStringLiteral("Gentile "), entry, year);
}

QString emailBody(const TSchedaIngresso& entry, const QString& year) {
    return sentence(QStringLiteral("Gentile Sig. "), entry, year);
}

QUrl whatsAppUrl(const TSchedaIngresso& entry, const QString& year) {
    return ::whatsAppUrl(Text::trimBlanks(entry.TelCellulare), whatsAppText(entry, year));
}

} // namespace EntryNotice
