#pragma once

#include "app/RecordLine.h"

#include <QDate>

// The training cards still running: those whose end date is today or later, whenever they
// start. A card whose end date cannot be read is left out and the scan goes on, so that one
// damaged card does not hide every later active one.
namespace ActiveTrainings {

// Appends the lines of the active cards, in file order, to `lines`; raises StorageError when
// the archive cannot be read, `lines` then holding the cards found before the failure.
void appendLines(ResultLines& lines, const RecordLine& line, const QDate& today);

} // namespace ActiveTrainings
