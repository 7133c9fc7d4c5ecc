#include "TfrmTrovaIngressi.h"

#include "EntryLine.h"
#include "TSchedaIngresso.h"
#include "app/LastRecordWithLine.h"
#include "app/Platform.h"
#include "app/PrintMessages.h"
#include "app/RecordFilter.h"
#include "app/ReportOutput.h"
#include "app/ResultListPanel.h"
#include "reports/ReportError.h"
#include "storage/ArchiveFile.h"
#include "storage/StorageError.h"

#include <array>

namespace {

using R = TSchedaIngresso;

// The filters in their Enter order, and the field each one is looked for in.
struct Filter {
    FieldRow row;
    QString R::*member;
};

constexpr Filter kTable[] = {
    {{"txtDataRit", "Data ingresso (gg/mm/aaaa):"}, &R::DataIngresso},
    {{"txtMeseRit", "Mese ingresso (in lettere):"}, &R::Mese},
    {{"txtOraRit", "Ora ingresso (hh:mm):"}, &R::OraIngresso},
    {{"txtAttivita", "Attività svolta:"}, &R::AttivitaSvolta},
    {{"txtAttrezzature", "Attrezzature utilizzate:"}, &R::Attrezzature},
    {{"txtIncaricato", "Persona incaricata:"}, &R::Incaricato},
    {{"txtTesserato", "Iscritto:"}, &R::CognomeNome},
    {{"txtCodFisc", "Codice fiscale:"}, &R::CodiceFiscale},
    {{"txtNumTessera", "Tessera n."}, &R::NumeroTessera},
    {{"txtNote", "Note:"}, &R::Note},
};

constexpr auto kFilters = [] {
    std::array<FieldRow, std::size(kTable)> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = kTable[i].row;
    return rows;
}();

} // namespace

TfrmTrovaIngressi::TfrmTrovaIngressi(QWidget* parent, const QString& path, Open open)
    : SearchDialog(parent, QStringLiteral(" Trova ingressi in archivio"), kFilters,
                   QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda")),
      m_path(path), m_open(std::move(open)) {
    setObjectName(QStringLiteral("frmTrovaIngressi"));
    setModeKey(QStringLiteral("ingressi"));
    results()->setPrintAction([this](const QStringList& lines) {
        try {
            ReportOutput::printList(QStringLiteral("Riepilogo Ingressi"), lines, this);
        } catch (const ReportError&) {
            platform().message(Platform::Box::Warning, PrintMessages::kPrintFailed);
        }
    });
}

ResultLines TfrmTrovaIngressi::search(const QStringList& filters) {
    RecordFilter filter;
    for (std::size_t i = 0; i < std::size(kTable); ++i)
        filter.add(filters.value(int(i)), kTable[i].member);
    ArchiveFile file(m_path, R::Size);
    file.open(ArchiveFile::Access::Read);
    ResultLines lines;
    lines.reserve(file.count(), file.count() * EntryLine::maxLength());
    file.scan([&](int, QByteArrayView record) {
        if (filter.matches(record))
            EntryLine::appendTo(lines, record);
    });
    return lines;
}

void TfrmTrovaIngressi::handOver(const QString& line) {
    if (line.isEmpty())
        return;
    try {
        if (const auto found = lastRecordWithLine(m_path, R::Size, EntryLine::of, line))
            m_open(EntryCodec::decode(found->bytes), found->position);
    } catch (const StorageError&) {
        // The search just closes: the entry screen keeps what it showed.
    }
}

QString TfrmTrovaIngressi::countText(int lines) const {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lines);
}
