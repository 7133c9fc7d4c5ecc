#pragma once

#include "TSchedaRicevutaExtra.h"

#include <QDate>
#include <QString>

#include <vector>

class ArchiveFile;

// Reading and changing the companion of a yearly receipt archive. Record p belongs to receipt p;
// a receipt saved before the companion existed has none, and reads as paid in no stated way, not
// cancelled and never printed. Every change is made under the companion's lock, so two
// workstations never undo each other's. Raises StorageError.
namespace ReceiptCompanion {

// Receipt p's record as stored; `damaged` is set when it held what the program never writes.
TSchedaRicevutaExtra load(const QString& archivePath, int position, bool* damaged = nullptr);

// What a list needs of each receipt, read in one pass: element p - 1 belongs to receipt p; a
// receipt past the end has no record, so it is neither cancelled nor damaged.
struct Marks {
    // The way of payment in TSchedaRicevutaExtra::methods(); -1 when none is stated.
    qint8 method = -1;
    bool cancelled = false;
    bool damaged = false; // held what the program never writes
};
std::vector<Marks> marks(const QString& archivePath);
// The marks of one stored companion record, read from its bytes without decoding a text: every
// scan of a year's receipts reads them.
Marks marksOf(QByteArrayView record);

// At the save of receipt p, with the receipt archive `receipts` (at `archivePath`) open under its exclusive
// lock: stores the way of payment. A new receipt (p past the archive's end) gets a fresh record, so whatever
// a failed save left there before is gone; a stored receipt keeps its cancellation and its count of prints.
// Returns false, changing nothing, when the receipt was cancelled meanwhile.
bool saveMethod(const QString& archivePath, ArchiveFile& receipts, int position, const QString& method);

// Marks receipt p as cancelled on `date` for `reason`; a receipt cancelled already stays as it
// was. Returns the record as it stands.
TSchedaRicevutaExtra cancel(const QString& archivePath, int position, const QString& reason,
                            const QDate& date);

// Counts one more print of receipt p and returns how many there were before it: 0 for the
// original.
int countPrint(const QString& archivePath, int position);
// Takes back a print counted by countPrint() that did not happen (the print dialog cancelled).
void uncountPrint(const QString& archivePath, int position);

// The warning of a companion record that held what the program never writes, naming the receipt.
QString damagedWarning(const QString& number, int position);

} // namespace ReceiptCompanion
