#include "TfrmAllenamentiAttivi.h"

#include "ActiveTrainings.h"
#include "TSchedaAllenamento.h"
#include "TfrmAllenamenti.h"
#include "TrainingLine.h"
#include "TrainingListPrint.h"
#include "app/ArchiveMessages.h"
#include "app/LastRecordWithLine.h"
#include "app/Platform.h"
#include "app/ResultListPanel.h"
#include "storage/StorageError.h"

#include <QVBoxLayout>

using R = TSchedaAllenamento;

TfrmAllenamentiAttivi::TfrmAllenamentiAttivi(TfrmAllenamenti* screen)
    : Dialog(screen, QStringLiteral(" Riepilogo allenamenti attivi")), m_screen(screen) {
    setObjectName(QStringLiteral("frmAllenamentiAttivi"));
    m_results = new ResultListPanel(
        QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_results);

    m_results->setPrintAction([this](const QStringList& lines) {
        printTrainingList(this, QStringLiteral("Riepilogo allenamenti attivi"), lines);
    });
    connect(m_results, &ResultListPanel::lineChosen, this, &TfrmAllenamentiAttivi::handOver);
    connect(m_results, &ResultListPanel::closeRequested, this, &QDialog::reject);
}

void TfrmAllenamentiAttivi::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    ResultLines lines;
    try {
        ActiveTrainings::appendLines(lines, platform().today());
    } catch (const StorageError&) {
        // The list shows the cards found before the failure, and the user learns it is short.
        platform().message(Platform::Box::Notice, ArchiveMessages::kFailure);
    }
    m_results->setLines(std::move(lines));
    m_results->startFinder();
}

void TfrmAllenamentiAttivi::done(int result) {
    m_results->clear();
    Dialog::done(result);
}

void TfrmAllenamentiAttivi::handOver(const QString& line) {
    // Every card is compared, active or not: the last one giving the line is loaded.
    try {
        if (const auto found = lastRecordWithLine(R::path(), R::Size, TrainingLine::of, line))
            m_screen->showRecord(TrainingCodec::decode(found->bytes), found->position);
    } catch (const StorageError&) {
        // The dialog just closes: the training card screen keeps what it showed.
    }
    accept();
}
