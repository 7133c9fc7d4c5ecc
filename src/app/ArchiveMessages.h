#pragma once

#include <QString>

// The messages that every archive screen shows in the same words.
namespace ArchiveMessages {

// Any archive operation that fails: folder not writable, file in use or damaged, a bad position.
inline const QString kFailure = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
    "privilegi di scrittura nella cartella di installazione del programma.");
// Browsing an archive that holds no record.
inline const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");

} // namespace ArchiveMessages
