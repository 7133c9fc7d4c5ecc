#pragma once

#include "TSchedaAllenamento.h"
#include "app/RecordLine.h"

// The line of a training card in the training search and in the active list: programme, kind,
// dates in fixed-width columns, then the member's name and mobile number.
inline constexpr LinePart<TSchedaAllenamento> kTrainingLine[] = {
    {&TSchedaAllenamento::NomeAllenamento, 40}, {u"  Tipo: "},
    {&TSchedaAllenamento::Tipologia, 26},       {u"  Da: "},
    {&TSchedaAllenamento::DataInizio, 10},      {u"  A: "},
    {&TSchedaAllenamento::DataFine, 10},        {u"  "},
    {&TSchedaAllenamento::CognomeNome},         {u"  Cel. "},
    {&TSchedaAllenamento::TelCellulare},
};
