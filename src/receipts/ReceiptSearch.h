#pragma once

#include "app/ResultLines.h"

#include <QStringList>

#include <array>

// The receipt search: up to ten text filters, each looked for in one field of the receipts.
namespace ReceiptSearch {

// How many filters there are; the search screen shows them in this order: number, issue date,
// payer, fiscal code, sport, period start, practitioner, practitioner's birth date and place,
// address. The period end and the amount have none.
inline constexpr int kFilters = 10;

// The lines of the archive's receipts that pass every filter that is more than blanks, in archive
// order; raises StorageError when the archive cannot be opened or created.
ResultLines lines(const QString& path, const QStringList& filters);

} // namespace ReceiptSearch
