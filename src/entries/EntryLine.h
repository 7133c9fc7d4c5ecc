#pragma once

#include "TSchedaIngresso.h"
#include "app/RecordLine.h"

// The line of an entry in the entry search: date, time, activity, member, fiscal code and mobile
// number in fixed-width columns, so that the list's text order is that of the day of the month.
inline constexpr LinePart<TSchedaIngresso> kEntryLine[] = {
    {u"Data: "}, {&TSchedaIngresso::DataIngresso, 10},   {u"  Ora: "}, {&TSchedaIngresso::OraIngresso, 5},
    {u"  "},     {&TSchedaIngresso::AttivitaSvolta, 40}, {u"  "},      {&TSchedaIngresso::CognomeNome, 30},
    {u"  CF: "}, {&TSchedaIngresso::CodiceFiscale, 16},  {u"  Cel. "}, {&TSchedaIngresso::TelCellulare},
};
