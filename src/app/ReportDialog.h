#pragma once

#include "Dialog.h"
#include "reports/ReportTemplate.h"

class QLabel;

// The small dialog in front of a printed document: an instruction, the action button `btnStampa`
// ("Stampa" prints through the print dialog, "Mostra anteprima" opens the preview window) and
// `btnAnnulla`. The action fills the document afresh, shows the dialog's warning if anything
// fails, and closes the dialog in every case. A dialog configures it with its names and words,
// the document it fills, and where it has some, its own settings and a waiting note.
class ReportDialog : public Dialog {
    Q_OBJECT
public:
    enum class Action { Print, Preview };

    ReportDialog(QWidget* parent, const QString& objectName, const QString& caption, Action action,
                 const QString& instruction, QString failure);

public Q_SLOTS:
    void btnStampaClick();

protected:
    Action action() const { return m_action; }
    // The document filled from what its screen shows now; throws ReportError when it cannot be.
    virtual ReportTemplate fill() = 0;
    // After the print dialog: true when the document was printed, false when the dialog was
    // cancelled or printing failed.
    virtual void printEnded(bool printed) { Q_UNUSED(printed); }
    // Settings of the document between the instruction and the buttons.
    void addContent(QWidget* content);
    // The waiting label `lblAttendere`, shown from the moment the action button goes down until
    // the document has been printed, or until the preview window opens.
    void setWaitingText(const QString& text);

private:
    void showWaiting();
    void hideWaiting();

    Action m_action;
    QString m_failure;
    QLabel* m_lblAttendere = nullptr;
};
