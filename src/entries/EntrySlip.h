#pragma once

#include "TSchedaIngresso.h"
#include "reports/ReportTemplate.h"

#include <QDateTime>

// The entry slip "Scheda Ingresso": one A4 page with the entry twice, a copy for the member that
// the person in charge signs and, 108 mm lower, a copy for the association that the member signs,
// with the time of printing at the foot. The two copies are one group of elements placed twice;
// the values of the upper copy are named with "_A", those of the lower copy with "_B".
namespace EntrySlip {

// The slip of `entry` as the entry screen shows it, saved or not, in the register of `year`.
ReportTemplate make(const TSchedaIngresso& entry, const QString& year, const QDateTime& printedAt);

} // namespace EntrySlip
