#pragma once

#include "RecordLayout.h"

#include <QByteArrayView>

#include <algorithm>
#include <cstring>

// Where a field's stored text lies inside a record, for scans that look at a few fields of many
// records without decoding them: the text's Windows-1252 bytes, one byte per character.
struct FieldBytes {
    int offset = 0;
    int capacity = 0;
    FieldKind kind = FieldKind::String;

    template <class R> static FieldBytes of(QString R::*member) {
        int offset = 0;
        for (const auto& f : R::fields()) {
            if (f.member == member)
                return {offset, f.capacity, f.kind};
            offset += f.capacity + 1;
        }
        return {};
    }

    // The stored text as loading reads it, blanks at the ends removed where loading removes them;
    // damaged bytes are read as far as they go, never beyond the field. Inline: scans call it for
    // several fields of every record.
    Q_ALWAYS_INLINE QByteArrayView text(QByteArrayView record) const;
};

// Blanks (bytes up to 0x20, which are the blank characters of the code page) removed at both ends.
inline QByteArrayView trimmedBytes(QByteArrayView bytes) {
    const char* b = bytes.data();
    const char* e = b + bytes.size();
    while (b < e && static_cast<unsigned char>(*b) <= 0x20)
        ++b;
    while (e > b && static_cast<unsigned char>(e[-1]) <= 0x20)
        --e;
    return QByteArrayView(b, e - b);
}

inline QByteArrayView FieldBytes::text(QByteArrayView record) const {
    if (offset >= record.size())
        return {};
    const char* field = record.data() + offset;
    const qsizetype size = std::min<qsizetype>(capacity + 1, record.size() - offset);
    if (kind == FieldKind::String) {
        const qsizetype length =
            std::min<qsizetype>({static_cast<unsigned char>(field[0]), capacity, size - 1});
        return trimmedBytes(QByteArrayView(field + 1, length));
    }
    const void* zero = std::memchr(field, 0, std::size_t(size));
    const QByteArrayView chars(field, zero ? static_cast<const char*>(zero) - field : size);
    return kind == FieldKind::CharTrimmed ? trimmedBytes(chars) : chars;
}
