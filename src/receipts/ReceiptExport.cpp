#include "ReceiptExport.h"

#include "TSchedaRicevuta.h"
#include "TSchedaRicevutaExtra.h"
#include "app/TableColumn.h"
#include "storage/ArchiveFile.h"
#include "storage/CompanionArchive.h"
#include "storage/FieldBytes.h"
#include "storage/Text.h"

#include <array>

namespace {

using R = TSchedaRicevuta;

// The exported columns and the receipt field each shows; the last one, kept beside the archive,
// says "Sì" for a cancelled receipt. The address's header reads shorter in the preview grid than in
// the spreadsheet.
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
    {{"Annullata", 150}, nullptr},
};
constexpr std::size_t kCancelled = std::size(kTable) - 1;

constexpr auto kColumns = tableColumn(kTable, &Column::column);

constexpr SpreadsheetExport kFormat{"Ricevute.xls", "Riepilogo Ricevute", kColumns};

} // namespace

namespace ReceiptExport {

const SpreadsheetExport& format() {
    return kFormat;
}

GridRows rows(const QString& path) {
    static const auto fields = [] {
        std::array<FieldBytes, std::size(kTable)> located{};
        for (std::size_t i = 0; i < located.size(); ++i)
            if (kTable[i].member)
                located[i] = FieldBytes::of(kTable[i].member);
        return located;
    }();
    // Room for every record's fields at their longest: only what the rows fill takes memory.
    static const qsizetype rowCapacity = [] {
        qsizetype capacity = 0;
        for (const FieldBytes& field : fields)
            capacity += field.capacity;
        return capacity;
    }();
    static const QByteArray yes = Text::toWin1252(QStringLiteral("Sì"));
    std::vector<bool> cancelled;
    CompanionArchive(path, TSchedaRicevutaExtra::Size).scan([&](int, QByteArrayView bytes) {
        cancelled.push_back(RicevutaExtraCodec::decode(bytes).cleaned().cancelled());
    });
    ArchiveFile file(path, R::Size);
    file.open(ArchiveFile::Access::Read);
    GridRows grid(int(fields.size()));
    grid.reserve(file.count(), file.count() * rowCapacity);
    std::array<QByteArrayView, std::size(kTable)> cells;
    file.scan([&](int position, QByteArrayView record) {
        for (std::size_t i = 0; i < kCancelled; ++i)
            cells[i] = fields[i].text(record);
        const bool isCancelled = position <= qsizetype(cancelled.size()) && cancelled[position - 1];
        cells[kCancelled] = isCancelled ? QByteArrayView(yes) : QByteArrayView();
        grid.append(cells);
    });
    return grid;
}

} // namespace ReceiptExport
