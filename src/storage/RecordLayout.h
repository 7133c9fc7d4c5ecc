#pragma once

#include "Text.h"

#include <QByteArray>
#include <QString>

#include <span>

// A record layout is a table of fields; size, offsets, encoding and decoding all follow from it.
enum class FieldKind {
    String,     // String[N]: length byte + N characters, blanks removed on storing and loading
    Char,       // Char[N]: characters + zero byte, stored and loaded exactly as typed
    CharTrimmed // Char[N] whose loaded text loses its blanks at the ends
};

template <class R> struct RecordField {
    const char* name;
    QString R::*member;
    int capacity;
    FieldKind kind = FieldKind::String;
};

template <class R, std::size_t N> constexpr int recordSize(const RecordField<R> (&fields)[N]) {
    int size = 0;
    for (const auto& f : fields)
        size += f.capacity + 1;
    return size;
}

// One field's bytes <-> text. Damaged bytes (a length beyond the capacity, a short buffer) are
// read as far as they go, never beyond the field.
void storeField(char* dst, int capacity, FieldKind kind, const QString& text);
QString loadField(QByteArrayView src, int capacity, FieldKind kind);

// The record types declare `static std::span<const RecordField<R>> fields()` and `Size`.
template <class R> class RecordCodec {
public:
    static QByteArray encode(const R& record) {
        QByteArray bytes(R::Size, '\0');
        int offset = 0;
        for (const auto& f : R::fields()) {
            storeField(bytes.data() + offset, f.capacity, f.kind, record.*f.member);
            offset += f.capacity + 1;
        }
        return bytes;
    }

    static R decode(QByteArrayView bytes) {
        R record;
        int offset = 0;
        for (const auto& f : R::fields()) {
            record.*f.member = loadField(slice(bytes, offset, f.capacity + 1), f.capacity, f.kind);
            offset += f.capacity + 1;
        }
        return record;
    }

    // Decodes a single field, for scans that look at a few fields of many records.
    static QString field(QByteArrayView bytes, QString R::*member) {
        int offset = 0;
        for (const auto& f : R::fields()) {
            if (f.member == member)
                return loadField(slice(bytes, offset, f.capacity + 1), f.capacity, f.kind);
            offset += f.capacity + 1;
        }
        return {};
    }

private:
    static QByteArrayView slice(QByteArrayView bytes, int offset, int length) {
        if (offset >= bytes.size())
            return {};
        return bytes.sliced(offset, std::min<qsizetype>(length, bytes.size() - offset));
    }
};
