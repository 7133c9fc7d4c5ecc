#include "LongText.h"

namespace {

// Where the character starting at `i` ends: a surrogate pair is one character.
qsizetype nextCharacter(const QString& text, qsizetype i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return i + 2;
    return i + 1;
}

} // namespace

namespace LongText {

int length(const QString& recordText) {
    int characters = 0;
    for (qsizetype i = 0; i < recordText.size(); i = nextCharacter(recordText, i))
        ++characters;
    return characters;
}

QString cut(const QString& recordText, int capacity) {
    qsizetype end = 0;
    for (int kept = 0; kept < capacity && end < recordText.size(); ++kept)
        end = nextCharacter(recordText, end);
    if (end > 0 && end < recordText.size() && recordText[end - 1] == u'\r' && recordText[end] == u'\n')
        --end;
    return recordText.left(end);
}

} // namespace LongText
