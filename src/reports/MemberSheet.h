#pragma once

#include "ReportTemplate.h"

#include <functional>

// The member sheet "Scheda Iscritto": one A4 portrait page with the member's photo under a title
// bar with the name, and a box for every field of the member card under its caption. Each value
// object is named like the member card's control whose text it shows.
namespace MemberSheet {

// `textOf` gives the text of a member card control by name; the photo goes in the photo box.
ReportTemplate make(const std::function<QString(const QString& control)>& textOf, const QImage& photo);

} // namespace MemberSheet
