#pragma once

#include "app/GridRows.h"
#include "storage/SpreadsheetExport.h"

// The export of a yearly receipt archive to "Ricevute.xls": one row per receipt in archive order.
// The amount is exported once, as the total; its words and the payee lines stay out.
namespace ReceiptExport {

const SpreadsheetExport& format();

// The archive's receipts as the grid's rows, straight from the records' bytes, in archive order;
// raises StorageError when the archive cannot be opened or read.
GridRows rows(const QString& path);

} // namespace ReceiptExport
