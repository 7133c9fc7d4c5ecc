#pragma once

#include "YearlyStatement.h"
#include "app/Dialog.h"
#include "reports/ReportRenderer.h"

#include <optional>

class QCheckBox;
class QListView;
class QStringListModel;
class ReportRenderer;

// "Attestazione annuale": the statements of one year's receipts for one payer, chosen from the
// payers of the year by fiscal code, or for all of them; shown, printed, saved as one PDF or sent
// to the payer by e-mail. What could not be read as it should is listed under "Avvisi".
class TfrmAttestazione : public Dialog {
    Q_OBJECT
public:
    TfrmAttestazione(QWidget* parent, YearlyStatement::Gathered gathered);

    // Gathers the statements of `year` from the archive at `archivePath`, tells what was not read as
    // it should, and opens the dialog when there is any statement to give.
    static void openYear(QWidget* parent, const QString& year, const QString& archivePath);

private:
    // The document of the statements chosen, or nothing (told) when no payer is.
    std::optional<ReportRenderer> chosenDocument();
    enum class Output { Preview, Paper };
    // The chosen statements in the preview window or through the print dialog; a failure is told.
    void showChosen(Output output);
    // The payer chosen in the list; empty for all, or when none is.
    QString chosenCode() const;
    QString fileName() const;
    void btnAnteprimaClick();
    void btnStampaClick();
    void btnSalvaPdfClick();
    void btnEmailClick();

    YearlyStatement::Gathered m_gathered;
    QList<YearlyStatement::Payer> m_payers;
    QCheckBox* m_chkTutti;
    QListView* m_lstPagatori;
    QStringListModel* m_model;
};
