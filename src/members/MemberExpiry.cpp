#include "MemberExpiry.h"

#include "storage/ArchiveFile.h"
#include "storage/DateText.h"
#include "storage/StorageError.h"

namespace MemberExpiry {

void appendExpired(ResultLines& lines, QString TSchedaIscritto::*tested, const RecordLine& line,
                   const QDate& today) {
    try {
        ArchiveFile::scanFile(TSchedaIscritto::path(), TSchedaIscritto::Size,
                              [&](int, QByteArrayView record) {
                                  // Valid on its expiry day, expired from the next day on.
                                  const QDate expiry = DateText::parse(MemberCodec::field(record, tested));
                                  if (expiry.isValid() && today > expiry)
                                      line.appendTo(lines, record);
                              });
    } catch (const StorageError&) {
        // The list keeps the members found before the failure, without a message.
    }
}

} // namespace MemberExpiry
