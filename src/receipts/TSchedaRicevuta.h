#pragma once

#include "storage/RecordLayout.h"

#include <QString>

#include <span>

// One payment receipt, as kept in a yearly receipt archive: 20 text fields, 1099 bytes. Each
// calendar year has its own archive, named after the year, so the year itself is not stored.
struct TSchedaRicevuta {
    QString NumeroRicevuta;
    QString DataRicevuta;
    QString ImportoEuro;
    QString ImportoCentesimi;
    QString ImportoLettere;
    QString CentesimiLettere;
    QString ImportoTotale;
    QString Ricevente1;
    QString Ricevente2;
    QString Ricevente3;
    QString Ricevente4;
    QString Pagatore;
    QString CodiceFiscalePagatore;
    QString AttivitaSportiva;
    QString PeriodoDal;
    QString PeriodoAl;
    QString Praticante;
    QString LuogoNascitaPraticante;
    QString DataNascitaPraticante;
    QString IndirizzoPraticante;

    static constexpr int Size = 1099;

    static std::span<const RecordField<TSchedaRicevuta>> fields();
    // The archive of a year in the program folder: the year's four digits + ".ric".
    static QString path(const QString& year);
};

using ReceiptCodec = RecordCodec<TSchedaRicevuta>;
