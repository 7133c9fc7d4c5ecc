#pragma once

#include "storage/RecordLayout.h"

#include <QString>

#include <span>

// One training card: a member's personal programme, kept in the training archive as 49
// zero-terminated character fields, 13175 bytes. Texts are kept exactly as typed, blanks
// included; only the attachment fields lose their blanks when loaded. A card has no key: its
// record position identifies it, and it refers to its member only by the copied values.
//
// The four long texts hold their line breaks as CR LF, as on disk; the twelve muscle-group flags
// hold "Sì" or "No".
struct TSchedaAllenamento {
    QString NomeAllenamento;
    QString Tipologia;
    QString Finalita;
    QString Livello;
    QString DataInizio;
    QString DataFine;
    QString Dieta;
    QString Istruttore;
    QString Addominali;
    QString Adduttori;
    QString Bicipiti;
    QString BicipitiFemorali;
    QString Dorsali;
    QString Glutei;
    QString Pettorali;
    QString Polpacci;
    QString Quadricipiti;
    QString Spalle;
    QString Trapezio;
    QString Tricipiti;
    QString GruppiMuscolari;
    QString CognomeNome;
    QString CodiceFiscale;
    QString TelCellulare;
    QString Email;
    QString NumeroTessera;
    QString PesoInizio;
    QString GirovitaInizio;
    QString FianchiInizio;
    QString ToraceInizio;
    QString AddomeInizio;
    QString PesoFine;
    QString GirovitaFine;
    QString FianchiFine;
    QString ToraceFine;
    QString AddomeFine;
    QString AltriRisultati;
    QString Riscaldamento;
    QString Esercizi;
    QString Stretching;
    QString DurataTotale;
    QString TempoRecupero;
    QString Frequenza;
    QString File01;
    QString File02;
    QString File03;
    QString Desc01;
    QString Desc02;
    QString Desc03;

    static constexpr int Size = 13175;
    static constexpr const char* FileName = "Schede_Allenamenti.pro";

    static std::span<const RecordField<TSchedaAllenamento>> fields();
    // The training archive in the program folder.
    static QString path();
};

using TrainingCodec = RecordCodec<TSchedaAllenamento>;
