#include "EntryChecks.h"

#include "app/DateLists.h"
#include "storage/DateText.h"
#include "storage/Text.h"

#include <span>

namespace {

using R = TSchedaIngresso;

enum class Rule {
    Empty,          // the field is empty
    Short,          // the field holds fewer than two characters
    MonthNotListed, // the month is none of the twelve names
    NoSuchDate,     // day, month and year make no calendar date
};

struct Check {
    Rule rule;
    QString R::*member;
    const char* field;
    const char* message; // UTF-8
};

constexpr Check kSaving[] = {
    {Rule::Empty, &R::Giorno, "txtGiornoRit",
     "Attenzione: per salvare la scheda è necessario indicare il giorno della data di ingresso."},
    {Rule::Short, &R::Giorno, "txtGiornoRit",
     "Attenzione: per salvare la scheda è necessario indicare il giorno della data di ingresso usando due "
     "cifre."},
    {Rule::Empty, &R::Mese, "txtMeseRit",
     "Attenzione: per salvare la scheda è necessario indicare il mese della data di ingresso."},
    {Rule::Empty, &R::Ore, "txtOreRit",
     "Attenzione: per salvare la scheda è necessario indicare l'ora di ingresso."},
    {Rule::Empty, &R::Minuti, "txtMinutiRit",
     "Attenzione: per salvare la scheda è necessario indicare i minuti dell'ora di ingresso."},
    {Rule::Short, &R::Ore, "txtOreRit",
     "Attenzione: per salvare la scheda è necessario indicare l'ora di ingresso usando due cifre."},
    {Rule::Short, &R::Minuti, "txtMinutiRit",
     "Attenzione: per salvare la scheda è necessario indicare i minuti dell'ora di ingresso usando due "
     "cifre."},
    {Rule::Empty, &R::AttivitaSvolta, "txtAttivita",
     "Attenzione: per salvare la scheda è necessario indicare l'attività svolta dall'iscritto."},
    {Rule::Empty, &R::CognomeNome, "txtTesserato",
     "Attenzione: per salvare la scheda è necessario indicare il nome dell'iscritto."},
    {Rule::MonthNotListed, &R::Mese, "txtMeseRit",
     "Attenzione: selezionare il mese dal menu a cascata.\n\r\n\rPer poter salvare la scheda è necessario "
     "indicare una data valida."},
    {Rule::NoSuchDate, &R::Giorno, "txtGiornoRit", nullptr},
};

constexpr Check kWhatsApp[] = {
    {Rule::Empty, &R::CognomeNome, "txtTesserato",
     "Attenzione: per inviare la notifica tramite WhatsApp è necessario indicare cognome e nome "
     "dell'iscritto."},
    {Rule::Empty, &R::NumeroTessera, "txtNumTessera",
     "Attenzione: per inviare la notifica tramite WhatsApp è necessario indicare il numero di tessera "
     "dell'iscritto."},
    {Rule::Empty, &R::Giorno, "txtGiornoRit",
     "Attenzione: per inviare la notifica tramite WhatsApp è necessario indicare il giorno della data di "
     "ingresso."},
    {Rule::Empty, &R::Mese, "txtMeseRit",
     "Attenzione: per inviare la notifica tramite WhatsApp è necessario indicare il mese della data di "
     "ingresso."},
    {Rule::Empty, &R::Ore, "txtOreRit",
     "Attenzione: per inviare la notifica tramite WhatsApp è necessario indicare l'ora di ingresso."},
    {Rule::Empty, &R::Minuti, "txtMinutiRit",
     "Attenzione: per inviare la notifica tramite WhatsApp è necessario indicare i minuti primi dell'ora di "
     "ingresso."},
    {Rule::Empty, &R::AttivitaSvolta, "txtAttivita",
     "Attenzione: per inviare la notifica tramite WhatsApp è necessario indicare l'attività svolta "
     "dall'iscritto."},
    {Rule::Empty, &R::TelCellulare, "txtRecapito",
     "Attenzione: per inviare la notifica tramite WhatsApp è necessario indicare il numero di cellulare "
     "dell'iscritto."},
};

constexpr Check kEmail[] = {
    {Rule::Empty, &R::CognomeNome, "txtTesserato",
     "Attenzione: per inviare l'e-mail è necessario indicare cognome e nome dell'iscritto."},
    {Rule::Empty, &R::NumeroTessera, "txtNumTessera",
     "Attenzione: per inviare l'e-mail è necessario indicare il numero di tessera."},
    {Rule::Empty, &R::Giorno, "txtGiornoRit",
     "Attenzione: per inviare l'e-mail è necessario indicare il giorno della data di ingresso."},
    {Rule::Empty, &R::Mese, "txtMeseRit",
     "Attenzione: per inviare l'e-mail è necessario indicare il mese della data di ingresso."},
    {Rule::Empty, &R::Ore, "txtOreRit",
     "Attenzione: per inviare l'e-mail è necessario indicare l'ora di ingresso."},
    {Rule::Empty, &R::Minuti, "txtMinutiRit",
     "Attenzione: per inviare l'e-mail è necessario indicare i minuti primi dell'ora di ingresso."},
    {Rule::Empty, &R::AttivitaSvolta, "txtAttivita",
     "Attenzione: per inviare l'e-mail è necessario indicare l'attività svolta dall'iscritto."},
    {Rule::Empty, &R::Email, "txtEmail",
     "Attenzione: per inviare l'e-mail è necessario indicare l'indirizzo di posta elettronica "
     "dell'iscritto."},
};

bool fails(const Check& check, const TSchedaIngresso& entry, const QString& year) {
    const QString value = Text::trimBlanks(entry.*check.member);
    switch (check.rule) {
    case Rule::Empty:
        return value.isEmpty();
    case Rule::Short:
        return value.size() < 2;
    case Rule::MonthNotListed:
        return DateLists::monthNumber(value) == 0;
    case Rule::NoSuchDate:
        return !DateText::parse(EntryChecks::date(entry, year)).isValid();
    }
    return false;
}

std::optional<EntryProblem> firstProblem(std::span<const Check> checks, const TSchedaIngresso& entry,
                                         const QString& year = {}) {
    for (const Check& c : checks) {
        if (!fails(c, entry, year))
            continue;
        if (c.rule == Rule::NoSuchDate)
            return EntryProblem{c.field,
                                QStringLiteral("Attenzione: la data ") + EntryChecks::date(entry, year) +
                                    QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda è "
                                                   "necessario indicare una data valida."),
                                true};
        return EntryProblem{c.field, QString::fromUtf8(c.message)};
    }
    return std::nullopt;
}

} // namespace

namespace EntryChecks {

QString date(const TSchedaIngresso& entry, const QString& year) {
    return Text::trimBlanks(entry.Giorno) + u'/' +
           QStringLiteral("%1").arg(DateLists::monthNumber(entry.Mese), 2, 10, QLatin1Char('0')) + u'/' +
           Text::trimBlanks(year);
}

TSchedaIngresso completed(TSchedaIngresso entry, const QString& year) {
    entry.Anno = Text::trimBlanks(year);
    entry.DataIngresso = date(entry, year);
    entry.OraIngresso = Text::trimBlanks(entry.Ore) + u':' + Text::trimBlanks(entry.Minuti);
    return entry;
}

std::optional<EntryProblem> beforeSaving(const TSchedaIngresso& entry, const QString& year) {
    return firstProblem(kSaving, entry, year);
}

std::optional<EntryProblem> beforeWhatsApp(const TSchedaIngresso& entry) {
    return firstProblem(kWhatsApp, entry);
}

std::optional<EntryProblem> beforeEmail(const TSchedaIngresso& entry) {
    return firstProblem(kEmail, entry);
}

} // namespace EntryChecks
