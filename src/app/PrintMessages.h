#pragma once

#include <QString>

// The warnings of a printing or a preview that did not succeed.
namespace PrintMessages {

inline const QString kPrintFailed = QStringLiteral(
    "Attenzione: la stampa non è andata a buon fine.\n\r\n\rAccertarsi che la stampante sia configurata "
    "correttamente.");
inline const QString kPreviewFailed = QStringLiteral(
    "Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine.\n\r\n\rAccertarsi che "
    "la stampante sia configurata correttamente.");

} // namespace PrintMessages
