#pragma once

#include <QString>

class ReportRenderer;

// A document sent as an attached PDF through the desktop's e-mail program: the user confirms or
// corrects the address proposed, the program checks it with the rule of its e-mail addresses,
// writes the PDF into a folder of its own and hands it over. Every failure is told to the user.
namespace PdfMail {

// `fileName` names the attached file and must be a plain name; true when the message was handed
// to the e-mail program.
bool send(const ReportRenderer& document, const QString& fileName, const QString& subject,
          const QString& proposedAddress);

// Whether send() takes `address` (blanks at its ends already removed): one address by the rule of
// mailtoUrl(), not empty, with an "@", and not beginning with "-".
bool acceptable(const QString& address);

// The messages of the hand-over.
inline const QString kNoAddress = QStringLiteral("Attenzione: indicare l'indirizzo e-mail del destinatario.");
inline const QString kNotWritten =
    QStringLiteral("Attenzione: non è stato possibile preparare il documento PDF da inviare.");
inline const QString kNoMailProgram =
    QStringLiteral("Attenzione: non è stato trovato nessun programma di posta elettronica.\r\n\r\nPer "
                   "inviare il documento è "
                   "necessario installare e configurare un programma di posta elettronica.");
inline const QString kRefused =
    QStringLiteral("Attenzione: il programma di posta elettronica non ha accettato il messaggio.");

} // namespace PdfMail
