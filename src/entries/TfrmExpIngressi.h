#pragma once

#include "app/ExportScreen.h"

// Exports the register open on the entry screen to "Archivio_Ingressi.xls", one row per entry of
// the register's year, in register order.
class TfrmExpIngressi : public ExportScreen {
    Q_OBJECT
public:
    TfrmExpIngressi(QWidget* parent, const QString& year, const QString& path);

protected:
    void listRows() override;

private:
    QString m_year;
    QString m_path;
};
