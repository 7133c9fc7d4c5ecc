#pragma once

#include <QByteArrayView>
#include <QString>

class ResultLines;

// The line of a member in the member search and in the list of expired cards: name, phones, card
// number, card expiry and fee in fixed-width columns.
namespace MemberLine {

QString of(QByteArrayView record);
void appendTo(ResultLines& lines, QByteArrayView record);
// The length of the longest line a record can give.
qsizetype maxLength();

} // namespace MemberLine
