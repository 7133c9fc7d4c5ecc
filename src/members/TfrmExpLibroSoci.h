#pragma once

#include "app/ExportScreen.h"

// Exports a list of the register of members as it was listed, with the common export flow.
class TfrmExpLibroSoci : public ExportScreen {
    Q_OBJECT
public:
    TfrmExpLibroSoci(QWidget* parent, const SpreadsheetExport& format, GridRows rows);
};
