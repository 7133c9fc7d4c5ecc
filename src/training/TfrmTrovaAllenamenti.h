#pragma once

#include "TSchedaAllenamento.h"
#include "app/ArchiveSearch.h"

class TfrmAllenamenti;

// The training search: finds cards by up to ten filters and, in the mode "allenamenti", loads the
// one double-clicked into the training card screen that opened it.
class TfrmTrovaAllenamenti : public ArchiveSearch<TSchedaAllenamento> {
    Q_OBJECT
public:
    explicit TfrmTrovaAllenamenti(TfrmAllenamenti* screen);

protected:
    QString countText(int lines) const override;
};
