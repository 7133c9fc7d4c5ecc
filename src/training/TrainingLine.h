#pragma once

#include <QByteArrayView>
#include <QString>

class ResultLines;

// The line of a training card in the training search and in the active list: programme, kind,
// dates in fixed-width columns, then the member's name and mobile number.
namespace TrainingLine {

QString of(QByteArrayView record);
void appendTo(ResultLines& lines, QByteArrayView record);
// The length of the longest line a record can give.
qsizetype maxLength();

} // namespace TrainingLine
