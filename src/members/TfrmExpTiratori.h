#pragma once

#include "app/ExportScreen.h"

// Exports the whole members archive to "Archivio_Iscritti.xls", one row per member in file order.
class TfrmExpTiratori : public ExportScreen {
    Q_OBJECT
public:
    explicit TfrmExpTiratori(QWidget* parent = nullptr);

protected:
    void listRows() override;
};
