#pragma once

#include "app/ExportScreen.h"

// Exports the whole training archive to "Schede_Allenamenti.xls", one row per card in file order.
class TfrmExpAllenamenti : public ExportScreen {
    Q_OBJECT
public:
    explicit TfrmExpAllenamenti(QWidget* parent = nullptr);

protected:
    void listRows() override;
};
