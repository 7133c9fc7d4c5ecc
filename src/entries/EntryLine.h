#pragma once

#include <QByteArrayView>
#include <QString>

class ResultLines;

// The line of an entry in the entry search: date, time, activity, member, fiscal code and mobile
// number in fixed-width columns, so that the list's text order is that of the day of the month.
namespace EntryLine {

QString of(QByteArrayView record);
void appendTo(ResultLines& lines, QByteArrayView record);
// The longest line an entry can give, in bytes.
qsizetype maxLength();

} // namespace EntryLine
