#pragma once

#include "storage/RecordLayout.h"

#include <QString>

#include <span>

// One entry of a member into the gym, as kept in the register of its year: 17 text fields, 1142
// bytes. Date and time are kept twice, as the parts chosen on the entry screen and as whole texts.
struct TSchedaIngresso {
    QString Giorno;
    QString Mese;
    QString Anno;
    QString DataIngresso;
    QString Ore;
    QString Minuti;
    QString OraIngresso;
    QString AttivitaSvolta;
    QString IngressiRimanenti;
    QString Attrezzature;
    QString CognomeNome;
    QString CodiceFiscale;
    QString TelCellulare;
    QString NumeroTessera;
    QString Email;
    QString Note;
    QString Incaricato;

    static constexpr int Size = 1142;

    static std::span<const RecordField<TSchedaIngresso>> fields();
    // The register of a year in the program folder: the year's four digits followed by ".ing".
    static QString path(const QString& year);
};

using EntryCodec = RecordCodec<TSchedaIngresso>;
