#include "TfrmExpLibroSoci.h"

TfrmExpLibroSoci::TfrmExpLibroSoci(QWidget* parent, const SpreadsheetExport& format, GridRows rows)
    : ExportScreen(parent, QStringLiteral("frmExpLibroSoci"),
                   QStringLiteral(" Esportazione libro soci in Microsoft Excel"), format) {
    setRows(std::move(rows));
}
