#include "TfrmTrovaTiratori.h"

#include "MemberLine.h"
#include "MemberTarget.h"
#include "TSchedaIscritto.h"
#include "app/ArchiveSearch.h"
#include "app/LastRecordWithLine.h"
#include "app/Platform.h"
#include "app/ReportOutput.h"
#include "app/ResultListPanel.h"
#include "app/TableColumn.h"
#include "reports/ReportError.h"
#include "storage/StorageError.h"

namespace {

using R = TSchedaIscritto;

// The filters in their Enter order, and the field each one is looked for in.
constexpr ArchiveFilter<R> kFilters[] = {
    {{"txtTiratore", "Cognome e nome:", 0, Input::Free, nullptr, nullptr, "effCampo01"}, &R::CognomeNome},
    {{"txtDataNasc", "Data di nascita (gg/mm/aaaa):", 0, Input::Free, nullptr, nullptr, "effCampo02"},
     &R::DataNascita},
    {{"txtCittadinanza", "Cittadinanza:", 0, Input::Free, nullptr, nullptr, "effCampo03"}, &R::Cittadinanza},
    {{"txtLuogoNasc", "Luogo di nascita:", 0, Input::Free, nullptr, nullptr, "effCampo04"}, &R::LuogoNascita},
    {{"txtCodFisc", "Codice fiscale:", 0, Input::Free, nullptr, nullptr, "effCampo05"}, &R::CodiceFiscale},
    {{"txtCel", "Tel. cellulare:", 0, Input::Free, nullptr, nullptr, "effCampo06"}, &R::TelCellulare},
    {{"txtTessera", "Tessera n.", 0, Input::Free, nullptr, nullptr, "effCampo07"}, &R::NumeroTessera},
    {{"txtArmi", "Praticante:", 0, Input::Free, nullptr, nullptr, "effCampo08"}, &R::Praticante},
    {{"txtEnte", "Attività sportiva:", 0, Input::Free, nullptr, nullptr, "effCampo09"}, &R::AttivitaSportiva},
    {{"txtNote", "Note:", 0, Input::Free, nullptr, nullptr, "effCampo10"}, &R::Note},
};

} // namespace

TfrmTrovaTiratori::TfrmTrovaTiratori(MemberTarget* target, QWidget* parent)
    : SearchDialog(parent, QStringLiteral(" Trova schede iscritti in archivio"),
                   tableColumn(kFilters, &ArchiveFilter<R>::row),
                   QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda")),
      m_target(target) {
    setObjectName(QStringLiteral("frmTrovaTiratori"));
    results()->setPrintAction([this](const QStringList& lines) {
        try {
            ReportOutput::printList(QStringLiteral("Riepilogo schede iscritti"), lines, this);
        } catch (const ReportError&) {
            platform().message(Platform::Box::Warning,
                               QStringLiteral("Attenzione: la stampa non è andata a buon fine."));
        }
    });
}

ResultLines TfrmTrovaTiratori::search(const QStringList& filters) {
    return filteredLines<R>(R::path(), kFilters, filters, MemberLine::appendTo, MemberLine::maxLength());
}

void TfrmTrovaTiratori::handOver(const QString& line) {
    if (!m_target || line.isEmpty())
        return;
    try {
        if (const auto found = lastRecordWithLine(R::path(), R::Size, MemberLine::of, line))
            m_target->receiveMember(MemberCodec::decode(found->bytes), found->position);
    } catch (const StorageError&) {
        // The dialog just closes: the opener keeps what it showed.
    }
}
