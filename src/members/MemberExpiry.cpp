#include "MemberExpiry.h"

#include "storage/ArchiveFile.h"
#include "storage/DateText.h"
#include "storage/StorageError.h"

namespace MemberExpiry {

QStringList expiredLines(QString TSchedaIscritto::*tested, LineOf lineOf, const QDate& today) {
    QStringList lines;
    try {
        ArchiveFile::scanFile(TSchedaIscritto::path(), TSchedaIscritto::Size,
                              [&](int, QByteArrayView record) {
                                  // Valid on its expiry day, expired from the next day on.
                                  const QDate expiry = DateText::parse(MemberCodec::field(record, tested));
                                  if (expiry.isValid() && today > expiry)
                                      lines << lineOf(record);
                              });
    } catch (const StorageError&) {
        // The list keeps the members found before the failure, without a message.
    }
    return lines;
}

} // namespace MemberExpiry
