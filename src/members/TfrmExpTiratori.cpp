#include "TfrmExpTiratori.h"

#include "TSchedaIscritto.h"
#include "app/RecordColumn.h"
#include "app/TableColumn.h"
#include "app/TfrmGuida.h"
#include "storage/StorageError.h"

namespace {

using R = TSchedaIscritto;

// The exported columns and the member field each shows; the sex and the attachments stay out.
constexpr RecordColumn<R> kTable[] = {
    {{"Cognome e nome", 250}, &R::CognomeNome},
    {{"Data di nascita", 200}, &R::DataNascita},
    {{"Cittadinanza", 250}, &R::Cittadinanza},
    {{"Luogo di nascita", 300}, &R::LuogoNascita},
    {{"Indirizzo di residenza", 300}, &R::Indirizzo},
    {{"Città", 250}, &R::Citta},
    {{"CAP", 150}, &R::Cap},
    {{"Nazione", 250}, &R::Nazione},
    {{"Codice fiscale", 250}, &R::CodiceFiscale},
    {{"Peso in kg", 200}, &R::Peso},
    {{"Statura in cm", 200}, &R::Statura},
    {{"Scad. certificato medico", 250}, &R::ScadenzaCertificato},
    {{"Attività sportiva", 400}, &R::AttivitaSportiva},
    {{"E-mail", 250}, &R::Email},
    {{"Tel. casa", 200}, &R::TelCasa},
    {{"Tel. cellulare", 200}, &R::TelCellulare},
    {{"Tessera n.", 250}, &R::NumeroTessera},
    {{"Quota", 200}, &R::Quota},
    {{"Data di rilascio", 200}, &R::RilascioTessera},
    {{"Data di scadenza", 200}, &R::ScadenzaTessera},
    {{"Praticante", 250}, &R::Praticante},
    {{"Luogo di nascita", 300}, &R::LuogoNascitaPraticante},
    {{"Data di nascita", 200}, &R::DataNascitaPraticante},
    {{"Indirizzo", 400}, &R::IndirizzoPraticante},
    {{"Note", 400}, &R::Note},
};

constexpr auto kColumns = tableColumn(kTable, &RecordColumn<R>::column);

constexpr SpreadsheetExport kFormat{"Archivio_Iscritti.xls", "Riepilogo Iscritti", kColumns};

const QString kGuideTitle = QStringLiteral("Esportazione archivio iscritti in Microsoft Excel");
const QString kGuideText = QStringLiteral(
    "Il pulsante Esporta archivio consente di esportare tutti gli iscritti registrati in archivio in "
    "un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado "
    "di gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft "
    "Office).\r\n\r\n"
    "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di "
    "Excel. Questa operazione crea in tempo reale un file in formato XLS contenente tutte le schede "
    "in archivio, che potrà essere aperto immediatamente rispondendo affermativamente al messaggio "
    "di domanda che appare.\r\n\r\n"
    "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
    "qualsiasi.");

} // namespace

TfrmExpTiratori::TfrmExpTiratori(QWidget* parent)
    : ExportScreen(parent, QStringLiteral("frmExpTiratori"),
                   QStringLiteral(" Esportazione archivio iscritti in Microsoft Excel"), kFormat) {
    setGuide([this] { showGuide(this, kGuideTitle, kGuideText); });
}

void TfrmExpTiratori::listRows() {
    GridRows rows(int(std::size(kTable)));
    try {
        appendRecordRows<R>(rows, R::path(), kTable);
    } catch (const StorageError&) {
        // The grid keeps the members listed before the failure.
    }
    setRows(std::move(rows));
}
