#pragma once

#include "TSchedaIngresso.h"
#include "app/ArchiveSearch.h"

// The entry search: finds the entries of the register open on the entry screen by up to ten
// filters, and opens the one double-clicked on the entry screen.
class TfrmTrovaIngressi : public ArchiveSearch<TSchedaIngresso> {
    Q_OBJECT
public:
    // `open` puts the chosen entry on the entry screen with its position.
    TfrmTrovaIngressi(QWidget* parent, const QString& path, Open open);

protected:
    QString countText(int lines) const override;
};
