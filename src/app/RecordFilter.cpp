#include "RecordFilter.h"

#include "storage/Text.h"

#include <QVarLengthArray>

#include <string_view>

namespace {

char lowerAZ(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + 32) : c;
}

bool containsFolded(QByteArrayView haystack, const QByteArray& needle) {
    if (needle.size() > haystack.size())
        return false;
    QVarLengthArray<char, 256> folded(haystack.size());
    for (qsizetype i = 0; i < haystack.size(); ++i)
        folded[i] = lowerAZ(haystack[i]);
    return std::string_view(folded.data(), folded.size())
               .find(std::string_view(needle.data(), needle.size())) != std::string_view::npos;
}

} // namespace

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
        if (!containsFolded(f.field.text(record), f.needle))
            return false;
    return true;
}
