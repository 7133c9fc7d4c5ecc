#include "EntrySummary.h"

#include "EntryGrid.h"
#include "EntrySelection.h"
#include "app/DateLists.h"
#include "app/SummaryGridScreen.h"
#include "storage/Text.h"

namespace {

using Kind = EntrySummary::Kind;

struct Summary {
    Kind kind;
    const char* objectName;
    const char* caption;
    SpreadsheetExport format;
    const char* instruction; // UTF-8; none for a summary of the whole year
};

constexpr Summary kSummaries[] = {
    {Kind::Daily,
     "frmRiepGiornalieroIng",
     " Riepilogo giornaliero ingressi",
     {"Ingressi_Giornalieri.xls", "Ingressi Giornalieri", EntryGrid::kColumns},
     "Selezionare un giorno e un mese dell'anno e premere Visualizza."},
    {Kind::Monthly,
     "frmRiepMensileIng",
     " Riepilogo mensile ingressi",
     {"Ingressi_Mensili.xls", "Ingressi Mensili", EntryGrid::kColumns},
     "Selezionare un mese dell'anno e premere Visualizza."},
    {Kind::Annual,
     "frmRiepAnnualeIng",
     " Riepilogo annuale ingressi",
     {"Ingressi_Annuali.xls", "Ingressi Annuali", EntryGrid::kColumns},
     nullptr},
};

const QString kGuideTitle = QStringLiteral("Riepilogo ingressi.");
const QString kGuideText = QStringLiteral(
    "E' possibile visualizzare il riepilogo degli ingressi in palestra registrati in un giorno, mese o "
    "anno nonché esportare lo stesso riepilogo in un foglio di lavoro di Microsoft Excel, che potrà "
    "essere aperto con qualsiasi software in grado di gestire i file in formato XLS (ad esempio, con "
    "Open Office, Libre Office o Microsoft Office).\r\n\r\n"
    "Dopo aver aperto la finestra contenente la griglia dei dati, gli accessi in palestra appariranno "
    "in ordine cronologico in base alla data di ingresso. Per esportare il riepilogo, basta fare clic "
    "sull'icona di Excel. Questa operazione crea in tempo reale un file in formato XLS contenente le "
    "schede in archivio, che potrà essere aperto immediatamente rispondendo affermativamente al "
    "messaggio di domanda che appare.\r\n\r\n"
    "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
    "qualsiasi.");

const Summary& summaryOf(Kind kind) {
    for (const Summary& s : kSummaries)
        if (s.kind == kind)
            return s;
    return kSummaries[0];
}

// What the entries' selection is made of: the day and the month chosen, and the register's year.
EntrySelection selectionOf(Kind kind, const QStringList& chosen, const QString& year) {
    switch (kind) {
    case Kind::Daily:
        return EntrySelection::ofDay(chosen.value(0), chosen.value(1), year);
    case Kind::Monthly:
        return EntrySelection::ofMonth(chosen.value(0), year);
    case Kind::Annual:
        break;
    }
    return EntrySelection::ofYear(year);
}

QStringList monthsInCapitals() {
    QStringList months = DateLists::months();
    for (QString& m : months)
        m = Text::upperAZ(m);
    return months;
}

} // namespace

namespace EntrySummary {

std::unique_ptr<SummaryGridScreen> make(Kind kind, QWidget* parent, const QString& year,
                                        const QString& path) {
    const Summary& s = summaryOf(kind);
    const QString registerYear = Text::trimBlanks(year);
    auto screen = std::make_unique<SummaryGridScreen>(
        parent, QString::fromLatin1(s.objectName), QString::fromUtf8(s.caption), s.format,
        [kind, registerYear, path](const QStringList& chosen) {
            return EntryGrid::rows(path, selectionOf(kind, chosen, registerYear));
        });
    screen->setGuide(kGuideTitle, kGuideText);
    const SummaryGridScreen::Choice month{QStringLiteral("cboSelezione"), QStringLiteral("Mese:"),
                                          monthsInCapitals()};
    if (kind == Kind::Daily)
        screen->setSelection(
            registerYear, QString::fromUtf8(s.instruction),
            {{QStringLiteral("cboGiorno"), QStringLiteral("Giorno:"), DateLists::days()}, month});
    else if (kind == Kind::Monthly)
        screen->setSelection(registerYear, QString::fromUtf8(s.instruction), {month});
    return screen;
}

} // namespace EntrySummary
