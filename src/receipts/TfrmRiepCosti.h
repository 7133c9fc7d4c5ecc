#pragma once

#include "IncomeSummary.h"
#include "app/Dialog.h"
#include "app/Platform.h"

#include <optional>
#include <utility>

class QLabel;
class ResultListPanel;

// The income summary's result: the receipts of the period with the payer filter, the interval
// and the total, the in-list finder and the printed summary "Riepilogo incassi". Created for one
// request, which it lists at once; what stopped the list is told once the screen is up.
class TfrmRiepCosti : public Dialog {
    Q_OBJECT
public:
    // `path` is the year's archive; `payer` and `sport` the filters as typed.
    TfrmRiepCosti(QWidget* parent, QString path, QString payer, QString sport, IncomeSummary::Period period);

    ResultListPanel* results() const { return m_results; }

public Q_SLOTS:
    void btnStampaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void list();
    // Told over the result, once it shows at its size.
    void tell(Platform::Box kind, const QString& text);

    QString m_payer;
    QString m_sport;
    IncomeSummary::Period m_period;
    ResultListPanel* m_results;
    QLabel* m_titTipologia;
    QLabel* m_lblIntervallo;
    QLabel* m_lblTotCosti;
    QLabel* m_lblAnnullate;
    QLabel* m_lblConta;
    QLabel* m_lblFile;
    std::optional<std::pair<Platform::Box, QString>> m_told;
};
