#pragma once

#include "TSchedaAllenamento.h"

#include <QString>

// The card's muscle-group text (`GruppiMuscolari`), which repeats its twelve flags for the
// readers that want them as words: the search, the export and the RTF document.
namespace MuscleGroups {

// The names of the groups whose flag is "Sì", in the order of the flags in the card ("Bicipiti
// femorali" for `BicipitiFemorali`), separated by single spaces; empty when none is.
QString text(const TSchedaAllenamento& card);

} // namespace MuscleGroups
