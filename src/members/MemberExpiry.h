#pragma once

#include "TSchedaIscritto.h"
#include "app/RecordLine.h"

#include <QDate>

// The members whose card or certificate has expired: those whose tested date lies before today.
namespace MemberExpiry {

// Appends the lines of the expired members, in file order. A date that cannot be read (an empty
// field) skips its member and the scan goes on, so that one damaged record does not hide every
// later expired member; an archive that cannot be read gives the lines found so far.
void appendExpired(ResultLines& lines, QString TSchedaIscritto::*tested, const RecordLine& line,
                   const QDate& today);

} // namespace MemberExpiry
