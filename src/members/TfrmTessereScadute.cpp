#include "TfrmTessereScadute.h"

#include "MemberExpiry.h"
#include "MemberLine.h"

namespace {

constexpr OpeningListSetup kSetup{
    "frmTessereScadute",
    " Riepilogo tessere scadute",
    "Riepilogo tessere scadute",
    "Attenzione: la stampa non è andata a buon fine.",
};

} // namespace

TfrmTessereScadute::TfrmTessereScadute(TfrmTiratori* card)
    : OpeningListDialog(card, kSetup, std::span<const LinePart<TSchedaIscritto>>(kMemberLine),
                        [](ResultLines& lines, const RecordLine& line, const QDate& today) {
                            MemberExpiry::appendExpired(lines, &TSchedaIscritto::ScadenzaTessera, line,
                                                        today);
                        }) {}
