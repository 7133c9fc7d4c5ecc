#pragma once

#include "storage/FieldBytes.h"

#include <QString>
#include <QStringView>

#include <span>

// One part of a list line: a literal text, or a record field with blanks removed at both ends,
// then padded with blanks on the right and cut to its width (a width of 0 leaves it as stored).
template <class R> struct LinePart {
    constexpr LinePart(const char16_t* literal) : literal(literal) {}
    constexpr LinePart(QString R::*member, int width = 0) : member(member), width(width) {}

    const char16_t* literal = nullptr;
    QString R::*member = nullptr;
    int width = 0;
};

// Appends a field's Windows-1252 bytes as text, padded or cut to `width` (0: as they are).
void appendLineField(QString& line, QByteArrayView bytes, int width);

// The list line of a record, built straight from its stored bytes: a scan decodes only the
// fields its lines show.
template <class R> QString recordLine(std::span<const LinePart<R>> parts, QByteArrayView record) {
    QString line;
    line.reserve(160);
    for (const LinePart<R>& p : parts) {
        if (p.literal)
            line += QStringView(p.literal);
        else
            appendLineField(line, trimmedBytes(FieldBytes::of(p.member).text(record)), p.width);
    }
    return line;
}
