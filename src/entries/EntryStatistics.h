#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>

// The monthly entry statistics: how many entries of a year's register fall in each month, by the
// month and year inside each entry's whole date `DataIngresso` (never its `Mese` or `Anno`).
namespace EntryStatistics {

// Entries of January to December.
using Counts = std::array<qint64, 12>;

// The month, 1 to 12, of a stored date "gg/mm/aaaa" that lies in `year`; 0 for a date of another
// year, a short or empty date, or a month that is not "01" to "12". Both are Windows-1252 bytes;
// blanks at the ends of the date, of its month and of its year do not count.
int monthOf(QByteArrayView date, QByteArrayView year);

// Reads the register at `path`, creating it empty when it does not exist; raises StorageError
// when it cannot be opened or read.
Counts count(const QString& path, const QString& year);

// The most copies of the chart one printing makes, as many as the print dialog offers.
inline constexpr int kMaxCopies = 999;

// The copies asked for in the copies box: a blank, a text that is not digits alone, and "0" count
// as one.
int copies(const QString& typed);

} // namespace EntryStatistics
