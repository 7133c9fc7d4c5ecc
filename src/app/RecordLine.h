#pragma once

#include "ResultLines.h"
#include "storage/FieldBytes.h"

#include <QByteArray>
#include <QString>
#include <QVarLengthArray>

#include <span>
#include <vector>

// One part of a list line: a literal text, or a record field with blanks removed at both ends,
// then padded with blanks on the right and cut to its width (a width of 0 leaves it as stored).
template <class R> struct LinePart {
    constexpr LinePart(const char16_t* literal) : literal(literal) {}
    constexpr LinePart(QString R::*member, int width = 0) : member(member), width(width) {}

    const char16_t* literal = nullptr;
    QString R::*member = nullptr;
    int width = 0;
};

// The lines of a list, built straight from the records' stored bytes with the fields located
// once: a scan of many thousand records copies the bytes its lines show, without decoding them.
class RecordLine {
public:
    template <class R> explicit RecordLine(std::span<const LinePart<R>> parts) {
        for (const LinePart<R>& p : parts)
            m_parts.push_back(p.literal ? Part{literalBytes(p.literal), {}, 0}
                                        : Part{{}, FieldBytes::of(p.member), p.width});
    }

    QString of(QByteArrayView record) const;
    // The longest line a record can give, in bytes.
    qsizetype maxLength() const;
    // The line written straight into a list's buffer.
    void appendTo(ResultLines& lines, QByteArrayView record) const;

private:
    using FieldTexts = QVarLengthArray<QByteArrayView, 16>;

    struct Part {
        QByteArray literal; // Windows-1252; empty for a field
        FieldBytes field;
        int width;
    };

    static QByteArray literalBytes(const char16_t* literal);
    // Where each field's text lies in the record, and the line's length.
    qsizetype measure(QByteArrayView record, FieldTexts& texts) const;
    void write(char* out, const FieldTexts& texts) const;

    std::vector<Part> m_parts;
};
