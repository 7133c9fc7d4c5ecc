#include "ListFinder.h"

#include "storage/Text.h"

int ListFinder::find(int count, const std::function<QByteArrayView(int)>& line, int selected,
                     const QString& text) {
    const int start = selected < 0 ? 0 : selected;
    const QString needle = Text::lowerAZ(text);
    const bool again = needle == m_last;
    m_last = needle;
    // A character the lines cannot hold is in none of them.
    if (needle.isEmpty() || !Text::fitsWin1252(needle))
        return start;
    const QByteArray bytes = Text::toWin1252(needle);
    const int from = again ? start + 1 : 0;
    for (int k = 0; k < count; ++k) {
        const int row = (from + k) % count;
        if (Text::containsLowerAZ(line(row), bytes))
            return row;
    }
    return start;
}
