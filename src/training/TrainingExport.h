#pragma once

#include "app/GridRows.h"
#include "storage/SpreadsheetExport.h"

// The training archive as a spreadsheet: one row per card in file order, 25 columns from the
// programme's name to the frequency. The diet, the flags, the e-mail address, the card number,
// the workout texts and the attachments stay out.
namespace TrainingExport {

const SpreadsheetExport& format();
// Appends one row per card to `rows`, a grid of the format's columns, each cell without blanks at
// the ends; raises StorageError when the archive cannot be read, `rows` then holding the cards read
// before the failure.
void appendRows(GridRows& rows);

} // namespace TrainingExport
