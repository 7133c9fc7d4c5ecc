#include "ReceiptMail.h"

#include "ReceiptCompanion.h"
#include "ReceiptDocument.h"
#include "ReceiptLogo.h"
#include "ReceiptSettings.h"
#include "ReceiptSheetDialog.h"
#include "app/ArchiveMessages.h"
#include "app/PdfMail.h"
#include "app/Platform.h"
#include "members/TSchedaIscritto.h"
#include "reports/ReportRenderer.h"
#include "storage/ArchiveFile.h"
#include "storage/FieldBytes.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QFileInfo>

namespace ReceiptMail {

QString payerAddress(const QString& fiscalCode) {
    const QByteArray code = Text::toWin1252(Text::upperAZ(Text::trimBlanks(fiscalCode)));
    if (code.isEmpty() || !QFileInfo::exists(TSchedaIscritto::path()))
        return {};
    static const FieldBytes codeField = FieldBytes::of(&TSchedaIscritto::CodiceFiscale);
    static const FieldBytes mailField = FieldBytes::of(&TSchedaIscritto::Email);
    QString address;
    try {
        ArchiveFile::scanFile(TSchedaIscritto::path(), TSchedaIscritto::Size,
                              [&](int, QByteArrayView record) {
                                  const QByteArrayView stored = codeField.text(record);
                                  if (stored.size() != code.size())
                                      return;
                                  for (qsizetype i = 0; i < stored.size(); ++i)
                                      if (Text::upperAZ(stored[i]) != code[i])
                                          return;
                                  if (const QByteArrayView mail = mailField.text(record); !mail.isEmpty())
                                      address = Text::fromWin1252(mail);
                              });
    } catch (const StorageError&) {
        return {};
    }
    return address;
}

void sendReceipt(const ReceiptSheet& sheet) {
    if (sheet.position == 0) {
        platform().message(Platform::Box::Warning,
                           QStringLiteral("Attenzione: per inviare la ricevuta per e-mail è necessario prima "
                                          "salvarla in archivio."));
        return;
    }
    ReceiptDocument::Marks marks;
    marks.method = sheet.extra.MetodoPagamento;
    marks.stampExempt = ReceiptSettings::stampExempt();
    try {
        marks.cancelled = ReceiptCompanion::load(sheet.archivePath, sheet.position).cancelled();
        marks.duplicate = ReceiptCompanion::countPrint(sheet.archivePath, sheet.position) > 0;
    } catch (const StorageError&) {
        // Without its count the receipt could go out as the original twice.
        platform().message(Platform::Box::Warning, ArchiveMessages::kFailure);
        return;
    }
    const QString number = Text::trimBlanks(sheet.receipt.NumeroRicevuta);
    QString name;
    for (QChar c : number)
        if (c.isLetterOrNumber() && c.unicode() < 0x80)
            name += c;
    const bool handed = PdfMail::send(
        ReportRenderer(ReceiptDocument::make(sheet.receipt, ReceiptLogo::load(), marks)),
        QStringLiteral("Ricevuta_%1.pdf").arg(name), QStringLiteral("Ricevuta n. %1").arg(number),
        payerAddress(sheet.receipt.CodiceFiscalePagatore));
    if (handed)
        return;
    try {
        ReceiptCompanion::uncountPrint(sheet.archivePath, sheet.position);
    } catch (const StorageError&) {
        // The receipt prints as a duplicate next time, which is the safe side.
    }
}

} // namespace ReceiptMail
