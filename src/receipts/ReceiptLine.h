#pragma once

#include <QByteArrayView>
#include <QString>

class ResultLines;

// The line of a receipt in the receipt search and the income summary: number, date, payer, sport,
// period and total in fixed-width columns.
namespace ReceiptLine {

QString of(QByteArrayView record);
void appendTo(ResultLines& lines, QByteArrayView record);
// The length of the longest line a receipt can give.
qsizetype maxLength();

} // namespace ReceiptLine
