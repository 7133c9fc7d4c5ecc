#pragma once

#include "ResultLines.h"
#include "storage/FieldBytes.h"

#include <QByteArray>
#include <QString>

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
        for (const LinePart<R>& p : parts) {
            if (p.literal) {
                const QByteArray bytes = literalBytes(p.literal);
                m_parts.push_back({int(m_literals.size()), int(bytes.size()), {}, 0});
                m_literals += bytes;
            } else {
                m_parts.push_back({0, 0, FieldBytes::of(p.member), p.width});
            }
        }
        // A field kept as stored may take all of its bytes: a damaged Char field has no closing zero.
        for (const Part& p : m_parts)
            m_maxLength += p.literalSize > 0 ? p.literalSize : p.width > 0 ? p.width : p.field.capacity + 1;
    }
    template <class R, std::size_t N>
    explicit RecordLine(const LinePart<R> (&parts)[N]) : RecordLine(std::span<const LinePart<R>>(parts)) {}

    QString of(QByteArrayView record) const;
    // The longest line a record can give, in bytes.
    qsizetype maxLength() const { return m_maxLength; }
    // The line written straight into a list's buffer.
    void appendTo(ResultLines& lines, QByteArrayView record) const;

private:
    struct Part {
        int literalStart; // a literal's Windows-1252 bytes in m_literals
        int literalSize;  // 0 for a field
        FieldBytes field;
        int width;
    };

    static QByteArray literalBytes(const char16_t* literal);
    // Writes the line from `out` on, which has room for maxLength() bytes; returns where it ends.
    char* write(char* out, QByteArrayView record) const;

    std::vector<Part> m_parts;
    QByteArray m_literals;
    qsizetype m_maxLength = 0;
};
