#pragma once

#include "storage/RecordLayout.h"

#include <QString>
#include <QStringList>

#include <span>

// What the register of members keeps of member p beside the members archive, in record p of its
// companion archive: the member number, application, admission and exit with its cause, the
// medical certificate's kind and issue date, and the consents.
struct TSchedaSocio {
    QString NumeroSocio;
    QString DataDomanda;
    QString DataAmmissione;
    QString DataRecesso;
    QString CausaRecesso;
    QString TipoCertificato;
    QString DataCertificato;
    QString ConsensoPrivacy;
    QString DataConsenso;
    QString ConsensoImmagini;

    static constexpr int Size = 114;

    static std::span<const RecordField<TSchedaSocio>> fields();
    // The companion of the members archive in the program folder.
    static QString path();

    // The values of the lists; a stored value outside its list reads as empty.
    static QStringList causes();
    static QStringList certificateKinds();
    static QStringList answers();

    // The record with every field that cannot be what the program writes (a number that is no
    // number, a date that is no date, a value outside its list) emptied.
    TSchedaSocio cleaned() const;
    bool operator==(const TSchedaSocio&) const = default;
};

using SocioCodec = RecordCodec<TSchedaSocio>;
