#include "TfrmTrovaRic.h"

#include "ReceiptLine.h"
#include "TSchedaRicevuta.h"
#include "app/LastRecordWithLine.h"
#include "app/Platform.h"
#include "app/PrintMessages.h"
#include "app/RecordFilter.h"
#include "app/ReportOutput.h"
#include "app/ResultListPanel.h"
#include "app/TableColumn.h"
#include "reports/ReportError.h"
#include "storage/ArchiveFile.h"
#include "storage/StorageError.h"

namespace {

using R = TSchedaRicevuta;

// The filters in their Enter order, and the field each one is looked for in. The period's end
// and the amount have none.
struct Filter {
    FieldRow row;
    QString R::*member;
};

constexpr Filter kTable[] = {
    {{"txtNumRic", "Ricevuta n."}, &R::NumeroRicevuta},
    {{"txtData", "Data emissione (gg/mm/aaaa):"}, &R::DataRicevuta},
    {{"txtPagatore", "Pagatore:"}, &R::Pagatore},
    {{"txtCodFisc", "Codice fiscale:"}, &R::CodiceFiscalePagatore},
    {{"txtSport", "Attività sportiva:"}, &R::AttivitaSportiva},
    {{"txtDal", "Data inizio (gg/mm/aaaa):"}, &R::PeriodoDal},
    {{"txtPraticante", "Praticante:"}, &R::Praticante},
    {{"txtDataNasc", "Data di nascita:"}, &R::DataNascitaPraticante},
    {{"txtLuogoNasc", "Luogo di nascita:"}, &R::LuogoNascitaPraticante},
    {{"txtIndirizzo", "Indirizzo:"}, &R::IndirizzoPraticante},
};

constexpr auto kFilters = tableColumn(kTable, &Filter::row);

} // namespace

TfrmTrovaRic::TfrmTrovaRic(QWidget* parent, const QString& path, Open open)
    : SearchDialog(parent, QStringLiteral(" Trova ricevute in archivio"), kFilters,
                   QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda")),
      m_path(path), m_open(std::move(open)) {
    setObjectName(QStringLiteral("frmTrovaRic"));
    // Receipts are listed as they were issued, which is the order of their numbers.
    results()->setSorted(false);
    results()->setPrintAction([this](const QStringList& lines) {
        try {
            ReportOutput::printList(QStringLiteral("Riepilogo ricevute emesse"), lines, this);
        } catch (const ReportError&) {
            platform().message(Platform::Box::Warning, PrintMessages::kPrintFailed);
        }
    });
}

ResultLines TfrmTrovaRic::search(const QStringList& filters) {
    RecordFilter filter;
    for (std::size_t i = 0; i < std::size(kTable); ++i)
        filter.add(filters.value(int(i)), kTable[i].member);
    ArchiveFile file(m_path, R::Size);
    file.open(ArchiveFile::Access::Read);
    ResultLines lines;
    lines.reserve(file.count(), file.count() * ReceiptLine::maxLength());
    file.scan([&](int, QByteArrayView record) {
        if (filter.matches(record))
            ReceiptLine::appendTo(lines, record);
    });
    return lines;
}

void TfrmTrovaRic::handOver(const QString& line) {
    if (modeKey() != QLatin1String("ricevuta") || line.isEmpty())
        return;
    try {
        if (const auto found = lastRecordWithLine(m_path, R::Size, ReceiptLine::of, line))
            m_open(ReceiptCodec::decode(found->bytes), found->position);
    } catch (const StorageError&) {
        // The search just closes: the receipt screen keeps what it showed.
    }
}

QString TfrmTrovaRic::countText(int lines) const {
    return QStringLiteral("Il presente elenco contiene %1 schede.").arg(lines);
}
