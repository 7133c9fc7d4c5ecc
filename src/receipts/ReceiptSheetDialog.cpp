#include "ReceiptSheetDialog.h"

#include "ReceiptCompanion.h"
#include "ReceiptDocument.h"
#include "ReceiptLogo.h"
#include "ReceiptSettings.h"
#include "reports/ReportError.h"
#include "storage/StorageError.h"

#include <QCheckBox>
#include <QLabel>

ReceiptSheetDialog::ReceiptSheetDialog(QWidget* parent, ReceiptSheet sheet, const QString& objectName,
                                       const QString& caption, Action action, const QString& instruction,
                                       const QString& failure)
    : ReportDialog(parent, objectName, caption, action, instruction, failure), m_sheet(std::move(sheet)) {
    // The logo the document will carry, held but not shown.
    m_imgLogo = new QLabel(this);
    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->hide();
    m_chkEsenteBollo = new QCheckBox(QStringLiteral("Esente da imposta di bollo"), this);
    m_chkEsenteBollo->setObjectName(QStringLiteral("chkEsenteBollo"));
    addContent(m_chkEsenteBollo);
    setWaitingText(QStringLiteral("Elaborazione in corso. Attendere..."));
}

void ReceiptSheetDialog::showEvent(QShowEvent* event) {
    // Read at every opening: a logo applied a moment ago prints now.
    m_logo = ReceiptLogo::load();
    m_imgLogo->setPixmap(QPixmap::fromImage(m_logo));
    m_chkEsenteBollo->setChecked(ReceiptSettings::stampExempt());
    ReportDialog::showEvent(event);
}

ReportTemplate ReceiptSheetDialog::fill() {
    const bool exempt = m_chkEsenteBollo->isChecked();
    if (exempt != ReceiptSettings::stampExempt()) {
        try {
            ReceiptSettings::setStampExempt(exempt);
        } catch (const StorageError&) {
            // This sheet prints as asked; the setting stays as it was for the next one.
        }
    }
    ReceiptDocument::Marks marks;
    marks.method = m_sheet.extra.MetodoPagamento;
    marks.stampExempt = exempt;
    if (m_sheet.position > 0) {
        try {
            const TSchedaRicevutaExtra stored = ReceiptCompanion::load(m_sheet.archivePath, m_sheet.position);
            marks.cancelled = stored.cancelled();
            if (action() == Action::Print) {
                marks.duplicate = ReceiptCompanion::countPrint(m_sheet.archivePath, m_sheet.position) > 0;
                m_counted = true;
            } else {
                marks.duplicate = stored.prints() > 0;
            }
        } catch (const StorageError& e) {
            // Without its count a receipt could print as the original twice: it is not printed.
            throw ReportError(e.what());
        }
    }
    return ReceiptDocument::make(m_sheet.receipt, m_logo, marks);
}

void ReceiptSheetDialog::printEnded(bool printed) {
    if (printed || !std::exchange(m_counted, false))
        return;
    try {
        ReceiptCompanion::uncountPrint(m_sheet.archivePath, m_sheet.position);
    } catch (const StorageError&) {
        // The receipt prints as a duplicate next time, which is the safe side.
    }
}
