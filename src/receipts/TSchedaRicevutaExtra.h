#pragma once

#include "storage/RecordLayout.h"

#include <QString>
#include <QStringList>

#include <span>

// What the program keeps of receipt p beside the yearly receipt archive, in record p of its
// companion archive ("2024_Extra.ric"): how the receipt was paid, whether it was cancelled, when
// and why, and how many times it was printed. The receipt archive itself stays as every other
// installation reads it.
struct TSchedaRicevutaExtra {
    QString MetodoPagamento;
    QString Annullata;
    QString DataAnnullamento;
    QString MotivoAnnullamento;
    QString Stampe;

    static constexpr int Size = 181;

    static std::span<const RecordField<TSchedaRicevutaExtra>> fields();
    // The companion of the receipt archive at `archivePath`.
    static QString path(const QString& archivePath);

    // The ways of payment, in the order the receipt screen offers them; the first is cash.
    static QStringList methods();
    static const QString& cash();
    // Whether a payment made this way can be traced (every way but cash); no way given is none.
    static bool traceable(const QString& method);

    bool cancelled() const { return Annullata == QStringLiteral("Sì"); }
    // How many times the receipt was printed, 0 for anything that is no count.
    int prints() const;

    // The record with every field that cannot be what the program writes (a way of payment outside
    // the list, a date that is no date, a count that is no count) emptied; `damaged` tells whether
    // anything was.
    TSchedaRicevutaExtra cleaned() const;
    bool damaged() const { return !(cleaned() == *this); }
    bool operator==(const TSchedaRicevutaExtra&) const = default;
};

using RicevutaExtraCodec = RecordCodec<TSchedaRicevutaExtra>;
