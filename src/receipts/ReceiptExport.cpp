#include "ReceiptExport.h"

#include "ReceiptCompanion.h"
#include "TSchedaRicevuta.h"
#include "app/RecordColumn.h"
#include "app/TableColumn.h"
#include "storage/Text.h"

namespace {

using R = TSchedaRicevuta;

// The exported columns and the receipt field each shows; the last one, kept beside the archive,
// says "Sì" for a cancelled receipt. The address's header reads shorter in the preview grid than in
// the spreadsheet.
constexpr RecordColumn<R> kTable[] = {
    {{"Ricevuta n.", 200}, &R::NumeroRicevuta},
    {{"Data emissione", 200}, &R::DataRicevuta},
    {{"Pagatore", 300}, &R::Pagatore},
    {{"Codice fiscale", 200}, &R::CodiceFiscalePagatore},
    {{"Attività sportiva", 400}, &R::AttivitaSportiva},
    {{"Inizio periodo", 200}, &R::PeriodoDal},
    {{"Fine periodo", 200}, &R::PeriodoAl},
    {{"Praticante", 300}, &R::Praticante},
    {{"Luogo di nascita", 350}, &R::LuogoNascitaPraticante},
    {{"Data di nascita", 200}, &R::DataNascitaPraticante},
    {{"Indirizzo di residenza", 400, "Indirizzo"}, &R::IndirizzoPraticante},
    {{"Totale: €", 200}, &R::ImportoTotale},
    {{"Annullata", 150}},
};

constexpr auto kColumns = tableColumn(kTable, &RecordColumn<R>::column);

constexpr SpreadsheetExport kFormat{"Ricevute.xls", "Riepilogo Ricevute", kColumns};

} // namespace

namespace ReceiptExport {

const SpreadsheetExport& format() {
    return kFormat;
}

GridRows rows(const QString& path) {
    static const QByteArray yes = Text::toWin1252(QStringLiteral("Sì"));
    const std::vector<ReceiptCompanion::Marks> marks = ReceiptCompanion::marks(path);
    GridRows grid(int(std::size(kTable)));
    appendRecordRows<R>(grid, path, kTable, EveryRecord{}, [&](int position) {
        const bool cancelled =
            position <= qsizetype(marks.size()) && marks[std::size_t(position - 1)].cancelled;
        return cancelled ? QByteArrayView(yes) : QByteArrayView();
    });
    return grid;
}

} // namespace ReceiptExport
