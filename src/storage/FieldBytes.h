#pragma once

#include "RecordLayout.h"

#include <QByteArrayView>

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
    // damaged bytes are read as far as they go, never beyond the field.
    QByteArrayView text(QByteArrayView record) const;
};

// Blanks (bytes up to 0x20, which are the blank characters of the code page) removed at both ends.
QByteArrayView trimmedBytes(QByteArrayView bytes);
