#pragma once

#include "reports/ReportTemplate.h"

struct TSchedaIscritto;

// The member sheet "Scheda Iscritto": one A4 portrait page with the member's photo under a title
// bar with the name, and a box for every field of the member card under its caption. Each value
// object is named like the member card's control whose text it shows.
namespace MemberSheet {

// The sheet of a member as the member card shows it, with the photo in the photo box.
ReportTemplate make(const TSchedaIscritto& member, const QImage& photo);

} // namespace MemberSheet
