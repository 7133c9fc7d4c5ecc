#pragma once

#include "storage/RecordLayout.h"

#include <QString>

#include <span>

// One reminder handed to the desktop, as the log of reminders `Promemoria.pro` keeps it: which
// member (the position in the members archive), what was about to expire and when, the channel,
// and the date and time it was handed over.
struct TSchedaPromemoria {
    QString Posizione; // decimal, no leading zeros
    QString Tipo;      // "Tessera", "Certificato medico"
    QString Scadenza;  // the expiry reminded, "gg/mm/aaaa"
    QString Canale;    // "WhatsApp", "E-mail"
    QString Data;      // "gg/mm/aaaa"
    QString Ora;       // "hh:mm"

    static constexpr int Size = 71;
    static constexpr const char* FileName = "Promemoria.pro";

    static std::span<const RecordField<TSchedaPromemoria>> fields();
    // The log in the program folder.
    static QString path();
};

using PromemoriaCodec = RecordCodec<TSchedaPromemoria>;
