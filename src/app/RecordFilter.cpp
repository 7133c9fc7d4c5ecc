#include "RecordFilter.h"

#include "storage/Text.h"

void RecordFilter::add(const QString& text, const FieldBytes& field) {
    if (Text::trimBlanks(text).isEmpty())
        return;
    if (!Text::fitsWin1252(text))
        m_unmatchable = true;
    m_filters.push_back({Text::toWin1252(Text::lowerAZ(text)), field});
}

bool RecordFilter::matches(QByteArrayView record) const {
    if (m_unmatchable)
        return false;
    for (const Filter& f : m_filters)
        if (!Text::containsLowerAZ(f.field.text(record), f.needle))
            return false;
    return true;
}
