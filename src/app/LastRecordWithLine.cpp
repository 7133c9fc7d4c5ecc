#include "LastRecordWithLine.h"

#include "RecordLine.h"

#include "storage/ArchiveFile.h"
#include "storage/Text.h"

std::optional<FoundRecord> lastRecordWithLine(const QString& path, int recordSize, const RecordLine& lineOf,
                                              const QString& line) {
    const QString wanted = Text::trimBlanks(line);
    std::optional<FoundRecord> found;
    ArchiveFile::scanFile(path, recordSize, [&](int position, QByteArrayView record) {
        if (Text::trimBlanks(lineOf.of(record)) == wanted)
            found = FoundRecord{position, record.toByteArray()};
    });
    return found;
}
