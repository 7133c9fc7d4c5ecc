#include "PdfMail.h"

#include "MailAddress.h"
#include "Platform.h"
#include "reports/ReportError.h"
#include "reports/ReportRenderer.h"
#include "storage/Text.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace PdfMail {

bool acceptable(const QString& address) {
    // A leading hyphen would reach xdg-email as one of its options.
    return !address.isEmpty() && isSingleAddress(address) && address.contains(u'@') &&
           !address.startsWith(u'-');
}

bool send(const ReportRenderer& document, const QString& fileName, const QString& subject,
          const QString& proposedAddress) {
    const std::optional<QString> typed =
        platform().inputText(QStringLiteral(" Invia per e-mail"),
                             QStringLiteral("Indirizzo e-mail del destinatario:"), proposedAddress);
    if (!typed)
        return false;
    const QString address = Text::trimBlanks(*typed);
    if (address.isEmpty()) {
        platform().message(Platform::Box::Warning, kNoAddress);
        return false;
    }
    if (!acceptable(address)) {
        platform().message(Platform::Box::Warning, kRefusedMailAddress);
        return false;
    }
    // A folder no one else can have prepared, kept after the program is done with it: the e-mail
    // program reads the file when the user sends the message.
    QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("Zandorio-XXXXXX")));
    folder.setAutoRemove(false);
    const QString pdf = folder.filePath(QFileInfo(fileName).fileName());
    try {
        if (!folder.isValid())
            throw ReportError("No folder for the attachment");
        document.writePdf(pdf);
        if (QFileInfo(pdf).size() == 0)
            throw ReportError("The attachment was not written");
    } catch (const ReportError&) {
        platform().message(Platform::Box::Warning, kNotWritten);
        return false;
    }
    switch (platform().mailAttachment(address, subject, pdf)) {
    case Platform::Mail::Handed:
        return true;
    case Platform::Mail::NoMailProgram:
        platform().message(Platform::Box::Warning, kNoMailProgram);
        return false;
    case Platform::Mail::Failed:
        break;
    }
    platform().message(Platform::Box::Warning, kRefused);
    return false;
}

} // namespace PdfMail
