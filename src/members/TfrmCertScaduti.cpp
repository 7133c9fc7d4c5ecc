#include "TfrmCertScaduti.h"

#include "MemberExpiry.h"

namespace {

using R = TSchedaIscritto;

constexpr OpeningListSetup kSetup{
    "frmCertScaduti",
    " Riepilogo certificati medici scaduti",
    "Riepilogo certificati medici scaduti",
    "Attenzione: la stampa non è andata a buon fine.",
};

// The line of a member whose certificate has expired.
constexpr LinePart<R> kLine[] = {
    {&R::CognomeNome, 32},     {u"  Cel. "},   {&R::TelCellulare, 20},     {u"  C.F. "},
    {&R::CodiceFiscale, 16},   {u"  Sport: "}, {&R::AttivitaSportiva, 32}, {u"  Scad. certificato: "},
    {&R::ScadenzaCertificato},
};

} // namespace

TfrmCertScaduti::TfrmCertScaduti(TfrmTiratori* card)
    : OpeningListDialog(card, kSetup, std::span<const LinePart<R>>(kLine),
                        [](ResultLines& lines, const RecordLine& line, const QDate& today) {
                            MemberExpiry::appendExpired(lines, &R::ScadenzaCertificato, line, today);
                        }) {}
