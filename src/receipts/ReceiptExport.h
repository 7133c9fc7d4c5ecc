#pragma once

#include "storage/SpreadsheetExport.h"

#include <QList>
#include <QStringList>

// The export of a yearly receipt archive to "Ricevute.xls": one row per receipt in archive order.
// The amount is exported once, as the total; its words and the payee lines stay out.
namespace ReceiptExport {

const SpreadsheetExport& format();

// Adds the archive's rows to `rows`; raises StorageError when the archive cannot be read, the rows
// listed before the failure staying.
void listRows(const QString& path, QList<QStringList>& rows);

} // namespace ReceiptExport
