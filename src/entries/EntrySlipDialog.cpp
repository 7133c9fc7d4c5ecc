#include "EntrySlipDialog.h"

#include "EntrySlip.h"
#include "TfrmIngressi.h"
#include "app/Platform.h"

EntrySlipDialog::EntrySlipDialog(TfrmIngressi* screen, const QString& objectName, const QString& caption,
                                 Action action, const QString& instruction, const QString& failure)
    : ReportDialog(screen, objectName, caption, action, instruction, failure), m_screen(screen) {}

ReportTemplate EntrySlipDialog::fill() {
    return EntrySlip::make(m_screen->record(), m_screen->year(), platform().now());
}
