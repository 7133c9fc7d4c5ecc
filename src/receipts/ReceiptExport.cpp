#include "ReceiptExport.h"

#include "TSchedaRicevuta.h"
#include "storage/ArchiveFile.h"

#include <array>

namespace {

using R = TSchedaRicevuta;

// The exported columns and the receipt field each shows. The address's header reads shorter in
// the preview grid than in the spreadsheet.
struct Column {
    SpreadsheetColumn column;
    QString R::*member;
};

constexpr Column kTable[] = {
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
};

constexpr auto kColumns = [] {
    std::array<SpreadsheetColumn, std::size(kTable)> columns{};
    for (std::size_t i = 0; i < columns.size(); ++i)
        columns[i] = kTable[i].column;
    return columns;
}();

constexpr SpreadsheetExport kFormat{"Ricevute.xls", "Riepilogo Ricevute", kColumns};

} // namespace

namespace ReceiptExport {

const SpreadsheetExport& format() {
    return kFormat;
}

void listRows(const QString& path, QList<QStringList>& rows) {
    ArchiveFile::scanFile(path, R::Size, [&rows](int, QByteArrayView bytes) {
        const R receipt = ReceiptCodec::decode(bytes);
        QStringList row;
        for (const Column& c : kTable)
            row << receipt.*c.member;
        rows << row;
    });
}

} // namespace ReceiptExport
