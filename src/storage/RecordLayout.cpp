#include "RecordLayout.h"

#include <cstring>

void storeField(char* dst, int capacity, FieldKind kind, const QString& text) {
    std::memset(dst, 0, capacity + 1);
    if (kind == FieldKind::String) {
        const QByteArray bytes = Text::toWin1252(Text::trimBlanks(text)).left(255).left(capacity);
        dst[0] = char(bytes.size());
        std::memcpy(dst + 1, bytes.constData(), bytes.size());
    } else {
        const QByteArray bytes = Text::toWin1252(text).left(capacity);
        std::memcpy(dst, bytes.constData(), bytes.size());
    }
}

QString loadField(QByteArrayView src, int capacity, FieldKind kind) {
    if (src.isEmpty())
        return {};
    if (kind == FieldKind::String) {
        const int length = std::min<int>({static_cast<unsigned char>(src[0]), capacity, int(src.size()) - 1});
        return Text::trimBlanks(Text::fromWin1252(src.sliced(1, length)));
    }
    const qsizetype zero = src.indexOf('\0');
    const QString text = Text::fromWin1252(zero < 0 ? src : src.first(zero));
    return kind == FieldKind::CharTrimmed ? Text::trimBlanks(text) : text;
}
