#include "ExpiredListDialog.h"

#include "TfrmTiratori.h"
#include "app/LastRecordWithLine.h"
#include "app/Platform.h"
#include "app/ReportOutput.h"
#include "app/ResultListPanel.h"
#include "reports/ReportError.h"
#include "storage/StorageError.h"

#include <QVBoxLayout>

ExpiredListDialog::ExpiredListDialog(TfrmTiratori* card, const QString& objectName, const QString& caption,
                                     const QString& printTitle, QString TSchedaIscritto::*tested,
                                     MemberExpiry::LineOf lineOf)
    : Dialog(card, caption), m_card(card), m_tested(tested), m_lineOf(lineOf) {
    setObjectName(objectName);
    m_results = new ResultListPanel(
        QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_results);

    m_results->setPrintAction([this, printTitle](const QStringList& lines) {
        try {
            ReportOutput::printList(printTitle, lines, this);
        } catch (const ReportError&) {
            platform().message(Platform::Box::Warning,
                               QStringLiteral("Attenzione: la stampa non è andata a buon fine."));
        }
    });
    connect(m_results, &ResultListPanel::lineChosen, this, &ExpiredListDialog::handOver);
    connect(m_results, &ResultListPanel::closeRequested, this, &QDialog::reject);
}

void ExpiredListDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    m_results->setLines(MemberExpiry::expiredLines(m_tested, m_lineOf, platform().today()));
    m_results->startFinder();
}

void ExpiredListDialog::done(int result) {
    m_results->clear();
    Dialog::done(result);
}

void ExpiredListDialog::handOver(const QString& line) {
    // Every record is compared, expired or not: the last one giving the line is loaded.
    try {
        if (const auto found =
                lastRecordWithLine(TSchedaIscritto::path(), TSchedaIscritto::Size, m_lineOf, line))
            m_card->showRecord(MemberCodec::decode(found->bytes), found->position);
    } catch (const StorageError&) {
        // The dialog just closes: the card keeps what it showed.
    }
    accept();
}
