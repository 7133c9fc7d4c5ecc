#include "TfrmCertScaduti.h"

#include "app/RecordLine.h"

namespace {

using R = TSchedaIscritto;

// The line of a member whose certificate has expired.
constexpr LinePart<R> kParts[] = {
    {&R::CognomeNome, 32},     {u"  Cel. "},   {&R::TelCellulare, 20},     {u"  C.F. "},
    {&R::CodiceFiscale, 16},   {u"  Sport: "}, {&R::AttivitaSportiva, 32}, {u"  Scad. certificato: "},
    {&R::ScadenzaCertificato},
};

QString certificateLine(QByteArrayView record) {
    static const RecordLine line{std::span<const LinePart<R>>(kParts)};
    return line.of(record);
}

} // namespace

TfrmCertScaduti::TfrmCertScaduti(TfrmTiratori* card)
    : ExpiredListDialog(card, QStringLiteral("frmCertScaduti"),
                        QStringLiteral(" Riepilogo certificati medici scaduti"),
                        QStringLiteral("Riepilogo certificati medici scaduti"),
                        &TSchedaIscritto::ScadenzaCertificato, certificateLine) {}
