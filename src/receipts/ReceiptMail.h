#pragma once

#include <QString>

struct ReceiptSheet;

// Receipts and statements sent to the payer by e-mail, as an attached PDF.
namespace ReceiptMail {

// The e-mail address of the member whose fiscal code is `fiscalCode` (letter case aside), from the
// members archive: the last such member that has one. Empty when none has, or when the archive
// cannot be read: the user types it then.
QString payerAddress(const QString& fiscalCode);

// The receipt as the receipt screen shows it, sent as a PDF. Only a saved receipt is sent; the
// copy sent counts as a print, so a later print of it says DUPLICATO, and is taken back when the
// message is not handed over.
void sendReceipt(const ReceiptSheet& sheet);

} // namespace ReceiptMail
