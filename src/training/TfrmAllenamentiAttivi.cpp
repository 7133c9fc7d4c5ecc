#include "TfrmAllenamentiAttivi.h"

#include "ActiveTrainings.h"
#include "TfrmAllenamenti.h"
#include "TrainingLine.h"
#include "TrainingListPrint.h"
#include "app/ResultListPanel.h"

namespace {

constexpr OpeningListSetup kSetup{
    "frmAllenamentiAttivi",
    " Riepilogo allenamenti attivi",
    "Riepilogo allenamenti attivi",
};

} // namespace

TfrmAllenamentiAttivi::TfrmAllenamentiAttivi(TfrmAllenamenti* screen)
    : OpeningListDialog(screen, kSetup, std::span<const LinePart<TSchedaAllenamento>>(kTrainingLine),
                        ActiveTrainings::appendLines) {
    // Training lists print as the training list document, which has its own warning.
    results()->setPrintAction([this](const QStringList& lines) {
        printTrainingList(this, QString::fromUtf8(kSetup.printTitle), lines);
    });
}
