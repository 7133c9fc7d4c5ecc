#pragma once

#include "TSchedaRicevuta.h"
#include "app/ArchiveSearch.h"

// The receipt search: finds the receipts of the archive open on the receipt screen by up to ten
// filters, lists them in archive order, prints the list, and in the mode "ricevuta" opens the one
// double-clicked on the receipt screen.
class TfrmTrovaRic : public ArchiveSearch<TSchedaRicevuta> {
    Q_OBJECT
public:
    // `open` puts the chosen receipt on the receipt screen with its position.
    TfrmTrovaRic(QWidget* parent, const QString& path, Open open);

protected:
    QString countText(int lines) const override;
};
