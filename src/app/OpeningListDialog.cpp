#include "OpeningListDialog.h"

#include "ArchiveMessages.h"
#include "Platform.h"
#include "PrintMessages.h"
#include "ReportOutput.h"
#include "ResultListPanel.h"
#include "reports/ReportError.h"

#include <QVBoxLayout>

OpeningListDialog::OpeningListDialog(QWidget* parent, const OpeningListSetup& setup, RecordLine line,
                                     List list)
    : Dialog(parent, QString::fromUtf8(setup.caption)), m_line(std::move(line)), m_list(std::move(list)) {
    setObjectName(QString::fromLatin1(setup.objectName));
    m_results = new ResultListPanel(
        QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_results);

    m_results->setPrintAction([this, title = QString::fromUtf8(setup.printTitle),
                               failed = setup.printFailed
                                            ? QString::fromUtf8(setup.printFailed)
                                            : PrintMessages::kPrintFailed](const QStringList& lines) {
        try {
            ReportOutput::printList(title, lines, this);
        } catch (const ReportError&) {
            platform().message(Platform::Box::Warning, failed);
        }
    });
    connect(m_results, &ResultListPanel::lineChosen, this, [this](const QString& chosen) {
        m_handOver(chosen);
        accept();
    });
    connect(m_results, &ResultListPanel::closeRequested, this, &QDialog::reject);
}

void OpeningListDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    ResultLines lines;
    try {
        m_list(lines, m_line, platform().today());
    } catch (const StorageError&) {
        platform().message(Platform::Box::Notice, ArchiveMessages::kFailure);
    }
    m_results->setLines(std::move(lines));
    m_results->startFinder();
}

void OpeningListDialog::done(int result) {
    m_results->clear();
    Dialog::done(result);
}
