#include "TfrmTessereScadute.h"

#include "MemberLine.h"

TfrmTessereScadute::TfrmTessereScadute(TfrmTiratori* card)
    : ExpiredListDialog(
          card, QStringLiteral("frmTessereScadute"), QStringLiteral(" Riepilogo tessere scadute"),
          QStringLiteral("Riepilogo tessere scadute"), &TSchedaIscritto::ScadenzaTessera, MemberLine::of) {}
