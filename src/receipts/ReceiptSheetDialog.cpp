#include "ReceiptSheetDialog.h"

#include "ReceiptDocument.h"
#include "ReceiptLogo.h"

#include <QLabel>

ReceiptSheetDialog::ReceiptSheetDialog(QWidget* parent, TSchedaRicevuta receipt, const QString& objectName,
                                       const QString& caption, Action action, const QString& instruction,
                                       const QString& failure)
    : ReportDialog(parent, objectName, caption, action, instruction, failure), m_receipt(std::move(receipt)) {
    // The logo the document will carry, held but not shown.
    m_imgLogo = new QLabel(this);
    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->hide();
    setWaitingText(QStringLiteral("Elaborazione in corso. Attendere..."));
}

void ReceiptSheetDialog::showEvent(QShowEvent* event) {
    // Read at every opening: a logo applied a moment ago prints now.
    m_logo = ReceiptLogo::load();
    m_imgLogo->setPixmap(QPixmap::fromImage(m_logo));
    ReportDialog::showEvent(event);
}

ReportTemplate ReceiptSheetDialog::fill() {
    return ReceiptDocument::make(m_receipt, m_logo);
}
