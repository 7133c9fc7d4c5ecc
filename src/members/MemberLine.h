#pragma once

#include "TSchedaIscritto.h"
#include "app/RecordLine.h"

// The line of a member in the member search and in the list of expired cards: name, phones, card
// number, card expiry and fee in fixed-width columns.
inline constexpr LinePart<TSchedaIscritto> kMemberLine[] = {
    {&TSchedaIscritto::CognomeNome, 30},
    {u"  Tel. "},
    {&TSchedaIscritto::TelCasa, 16},
    {u"  Cel. "},
    {&TSchedaIscritto::TelCellulare, 16},
    {u"  Tessera n. "},
    {&TSchedaIscritto::NumeroTessera, 24},
    {u"  Scad. "},
    {&TSchedaIscritto::ScadenzaTessera, 10},
    {u"  Quota: € "},
    {&TSchedaIscritto::Quota},
};
