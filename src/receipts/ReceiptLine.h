#pragma once

#include "TSchedaRicevuta.h"
#include "app/RecordLine.h"

// The line of a receipt in the receipt search and the income summary: number, date, payer, sport,
// period and total in fixed-width columns.
inline constexpr LinePart<TSchedaRicevuta> kReceiptLine[] = {
    {u"Ric. n. "},  {&TSchedaRicevuta::NumeroRicevuta, 12},
    {u"  Data: "},  {&TSchedaRicevuta::DataRicevuta, 10},
    {u"  "},        {&TSchedaRicevuta::Pagatore, 26},
    {u"  Sport: "}, {&TSchedaRicevuta::AttivitaSportiva, 30},
    {u"  Dal "},    {&TSchedaRicevuta::PeriodoDal, 10},
    {u"  Al "},     {&TSchedaRicevuta::PeriodoAl, 10},
    {u"  Tot. € "}, {&TSchedaRicevuta::ImportoTotale},
};

// What a cancelled receipt's line ends with, in the search and the income summary.
inline constexpr const char16_t* kCancelledMark = u"  ANNULLATA";
