#pragma once

#include "app/ExportScreen.h"

// Exports the yearly receipt archive open on the receipt screen to "Ricevute.xls", one row per
// receipt in archive order.
class TfrmExpRic : public ExportScreen {
    Q_OBJECT
public:
    TfrmExpRic(QWidget* parent, const QString& path);

protected:
    void listRows() override;

private:
    QString m_path;
};
