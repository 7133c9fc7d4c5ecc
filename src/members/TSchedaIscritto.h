#pragma once

#include "storage/RecordLayout.h"

#include <QString>

#include <span>

// One member of the association, as kept in the members archive: 32 text fields, 3189 bytes.
// A member has no key: the record position identifies it (and names its photo file).
struct TSchedaIscritto {
    QString CognomeNome;
    QString Sesso;
    QString DataNascita;
    QString Cittadinanza;
    QString LuogoNascita;
    QString Indirizzo;
    QString Citta;
    QString Cap;
    QString Nazione;
    QString CodiceFiscale;
    QString Peso;
    QString Statura;
    QString ScadenzaCertificato;
    QString AttivitaSportiva;
    QString Email;
    QString TelCasa;
    QString TelCellulare;
    QString NumeroTessera;
    QString Quota;
    QString RilascioTessera;
    QString ScadenzaTessera;
    QString Praticante;
    QString LuogoNascitaPraticante;
    QString DataNascitaPraticante;
    QString IndirizzoPraticante;
    QString Note;
    QString File01;
    QString File02;
    QString File03;
    QString Desc01;
    QString Desc02;
    QString Desc03;

    static constexpr int Size = 3189;
    static constexpr const char* FileName = "Archivio_Iscritti.pro";

    static std::span<const RecordField<TSchedaIscritto>> fields();
    // The members archive in the program folder.
    static QString path();
};

using MemberCodec = RecordCodec<TSchedaIscritto>;
