#include "ActiveTrainings.h"

#include "TSchedaAllenamento.h"
#include "storage/ArchiveFile.h"
#include "storage/DateText.h"
#include "storage/FieldBytes.h"
#include "storage/Text.h"

namespace ActiveTrainings {

void appendLines(ResultLines& lines, const RecordLine& line, const QDate& today) {
    using R = TSchedaAllenamento;
    const FieldBytes end = FieldBytes::of(&R::DataFine);
    ArchiveFile::scanFile(R::path(), R::Size, [&](int, QByteArrayView record) {
        const QDate last = DateText::parse(Text::fromWin1252(end.text(record)));
        if (last.isValid() && today <= last)
            line.appendTo(lines, record);
    });
}

} // namespace ActiveTrainings
