#include "EntryStatistics.h"

#include "TSchedaIngresso.h"
#include "storage/ArchiveFile.h"
#include "storage/FieldBytes.h"
#include "storage/Text.h"

namespace EntryStatistics {

int monthOf(QByteArrayView date, QByteArrayView year) {
    date = trimmedBytes(date);
    // Characters 4-5 and 7-10 of the date, as if it were followed by blanks.
    const auto part = [date](qsizetype from, qsizetype length) {
        return from < date.size() ? trimmedBytes(date.sliced(from, std::min(length, date.size() - from)))
                                  : QByteArrayView();
    };
    year = trimmedBytes(year);
    if (year.isEmpty() || part(6, 4) != year)
        return 0;
    const QByteArrayView month = part(3, 2);
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (month.size() != 2 || !digit(month[0]) || !digit(month[1]))
        return 0;
    const int m = (month[0] - '0') * 10 + (month[1] - '0');
    return m >= 1 && m <= 12 ? m : 0;
}

Counts count(const QString& path, const QString& year) {
    static const FieldBytes date = FieldBytes::of(&TSchedaIngresso::DataIngresso);
    const QByteArray wanted = Text::toWin1252(Text::trimBlanks(year));
    Counts counts{};
    ArchiveFile::scanFile(path, TSchedaIngresso::Size, [&](int, QByteArrayView record) {
        if (const int month = monthOf(date.text(record), wanted))
            ++counts[month - 1];
    });
    return counts;
}

int copies(const QString& typed) {
    if (!Text::isDigits(typed))
        return 1;
    bool ok = false;
    const int n = typed.toInt(&ok);
    if (!ok) // more copies than any count holds: as many as the print dialog allows
        return kMaxCopies;
    return n > 0 ? std::min(n, kMaxCopies) : 1;
}

} // namespace EntryStatistics
