#include "ListFinder.h"

#include "storage/Text.h"

int ListFinder::find(const QStringList& folded, int selected, const QString& text) {
    const int start = selected < 0 ? 0 : selected;
    const QString needle = Text::lowerAZ(text);
    const bool again = needle == m_last;
    m_last = needle;
    if (needle.isEmpty())
        return start;
    const int count = int(folded.size());
    const int from = again ? start + 1 : 0;
    for (int k = 0; k < count; ++k) {
        const int row = (from + k) % count;
        if (folded[row].contains(needle))
            return row;
    }
    return start;
}
