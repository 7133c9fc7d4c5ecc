#include "TfrmTrovaTiratori.h"

#include "MemberLine.h"
#include "MemberTarget.h"
#include "TSchedaIscritto.h"
#include "app/LastRecordWithLine.h"
#include "app/Platform.h"
#include "app/RecordFilter.h"
#include "app/ReportOutput.h"
#include "app/ResultListPanel.h"
#include "app/TopLevelScreen.h"
#include "reports/ReportError.h"
#include "storage/ArchiveFile.h"
#include "storage/StorageError.h"

namespace {

using R = TSchedaIscritto;

// The filters in their Enter order, and the field each one is looked for in.
constexpr FieldRow kFilters[] = {
    {"txtTiratore", "Cognome e nome:", 0, Input::Free, nullptr, nullptr, "effCampo01"},
    {"txtDataNasc", "Data di nascita (gg/mm/aaaa):", 0, Input::Free, nullptr, nullptr, "effCampo02"},
    {"txtCittadinanza", "Cittadinanza:", 0, Input::Free, nullptr, nullptr, "effCampo03"},
    {"txtLuogoNasc", "Luogo di nascita:", 0, Input::Free, nullptr, nullptr, "effCampo04"},
    {"txtCodFisc", "Codice fiscale:", 0, Input::Free, nullptr, nullptr, "effCampo05"},
    {"txtCel", "Tel. cellulare:", 0, Input::Free, nullptr, nullptr, "effCampo06"},
    {"txtTessera", "Tessera n.", 0, Input::Free, nullptr, nullptr, "effCampo07"},
    {"txtArmi", "Praticante:", 0, Input::Free, nullptr, nullptr, "effCampo08"},
    {"txtEnte", "Attività sportiva:", 0, Input::Free, nullptr, nullptr, "effCampo09"},
    {"txtNote", "Note:", 0, Input::Free, nullptr, nullptr, "effCampo10"},
};
constexpr QString R::*kFiltered[] = {
    &R::CognomeNome,  &R::DataNascita,   &R::Cittadinanza, &R::LuogoNascita,     &R::CodiceFiscale,
    &R::TelCellulare, &R::NumeroTessera, &R::Praticante,   &R::AttivitaSportiva, &R::Note,
};
static_assert(std::size(kFilters) == std::size(kFiltered));

// Mode key -> the screen that receives the chosen member.
struct Mode {
    const char* key;
    const char* screen;
};

constexpr Mode kModes[] = {
    {"tiratori", "frmTiratori"}, {"tessera", "frmTessera"},         {"ingressi", "frmIngressi"},
    {"ricevuta", "frmRicevuta"}, {"allenamenti", "frmAllenamenti"},
};

MemberTarget* targetOf(const QString& key) {
    for (const Mode& m : kModes) {
        if (key != QLatin1String(m.key))
            continue;
        return dynamic_cast<MemberTarget*>(topLevelScreen(QLatin1String(m.screen)));
    }
    return nullptr;
}

} // namespace

TfrmTrovaTiratori::TfrmTrovaTiratori(QWidget* parent)
    : SearchDialog(parent, QStringLiteral(" Trova schede iscritti in archivio"), kFilters,
                   QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda")) {
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
    RecordFilter filter;
    for (std::size_t i = 0; i < std::size(kFiltered); ++i)
        filter.add(filters.value(int(i)), kFiltered[i]);
    ResultLines lines;
    ArchiveFile::scanFile(R::path(), R::Size, [&](int, QByteArrayView record) {
        if (filter.matches(record))
            MemberLine::appendTo(lines, record);
    });
    return lines;
}

void TfrmTrovaTiratori::handOver(const QString& line) {
    MemberTarget* target = targetOf(modeKey());
    if (!target || line.isEmpty())
        return;
    try {
        if (const auto found = lastRecordWithLine(R::path(), R::Size, MemberLine::of, line))
            target->receiveMember(MemberCodec::decode(found->bytes), found->position);
    } catch (const StorageError&) {
        // The dialog just closes: the opener keeps what it showed.
    }
}
