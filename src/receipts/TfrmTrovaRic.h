#pragma once

#include "app/SearchDialog.h"

#include <functional>

struct TSchedaRicevuta;

// The receipt search: finds the receipts of the archive open on the receipt screen by up to ten
// filters, lists them in archive order, prints the list, and in the mode "ricevuta" opens the one
// double-clicked on the receipt screen.
class TfrmTrovaRic : public SearchDialog {
    Q_OBJECT
public:
    // Puts the chosen receipt on the receipt screen with its position.
    using Open = std::function<void(const TSchedaRicevuta& receipt, int position)>;

    TfrmTrovaRic(QWidget* parent, const QString& path, Open open);

protected:
    ResultLines search(const QStringList& filters) override;
    void handOver(const QString& line) override;
    QString countText(int lines) const override;

private:
    QString m_path;
    Open m_open;
};
