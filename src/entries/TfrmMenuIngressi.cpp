#include "TfrmMenuIngressi.h"

#include "EntryGuide.h"
#include "TSchedaIngresso.h"

#include <QPushButton>

namespace {

const QString kStatistics = QStringLiteral("stat_ingressi");
const QString kCheckIn = QStringLiteral("accesso");

constexpr YearlyArchiveMenu::Config kConfig = {
    "frmMenuIngressi",
    " Zandorio - Registro Ingressi",
    "In questo ambiente è possibile registrare gli ingressi in palestra di tutti gli iscritti e "
    "visualizzare grafici statistici degli accessi mensili.",
    "Archivio ingressi:",
    {"txtAnnoFatture", "Anno:", 4, Input::Digits},
    "btnApriFatture",
    "ingressi",
    &TSchedaIngresso::path,
};

} // namespace

TfrmMenuIngressi::TfrmMenuIngressi() : YearlyArchiveMenu(kConfig) {
    setGuide(EntryGuide::kTitle, EntryGuide::text());
    m_btnApriRiepStats = addSection(QStringLiteral("Statistiche ingressi in palestra:"), "btnApriRiepStats");
    connect(m_btnApriRiepStats, &QPushButton::clicked, this, [this] { leaveFor(kStatistics); });
    m_btnAccessoRapido = addArchiveButton("btnAccessoRapido", QStringLiteral("Accesso rapido"), "go-jump");
    connect(m_btnAccessoRapido, &QPushButton::clicked, this, [this] { leaveFor(kCheckIn); });
}

void TfrmMenuIngressi::setStatisticsScreen(ScreenSource screen) {
    addDestination(kStatistics, std::move(screen));
    m_btnApriRiepStats->setEnabled(true);
}

void TfrmMenuIngressi::setCheckInScreen(ScreenSource screen) {
    addDestination(kCheckIn, std::move(screen));
    m_btnAccessoRapido->setEnabled(true);
}
