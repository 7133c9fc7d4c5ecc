#pragma once

#include "app/ReportDialog.h"

class TfrmIngressi;

// The two dialogs in front of the entry slip: they print or preview the entry as the entry screen
// shows it, saved or not.
class EntrySlipDialog : public ReportDialog {
    Q_OBJECT
public:
    EntrySlipDialog(TfrmIngressi* screen, const QString& objectName, const QString& caption, Action action,
                    const QString& instruction, const QString& failure);

protected:
    ReportTemplate fill() override;

private:
    TfrmIngressi* m_screen;
};
