#include "RecordLine.h"

#include "storage/Text.h"

#include <cstring>

QByteArray RecordLine::literalBytes(const char16_t* literal) {
    return Text::toWin1252(QString::fromUtf16(literal));
}

char* RecordLine::write(char* out, QByteArrayView record) const {
    for (const Part& p : m_parts) {
        if (p.literalSize > 0) {
            std::memcpy(out, m_literals.constData() + p.literalStart, std::size_t(p.literalSize));
            out += p.literalSize;
            continue;
        }
        QByteArrayView text = p.field.text(record);
        if (p.field.kind == FieldKind::Char) // the other kinds come trimmed already
            text = trimmedBytes(text);
        if (p.width > 0 && text.size() > p.width)
            text = text.first(p.width);
        if (!text.isEmpty())
            std::memcpy(out, text.data(), std::size_t(text.size()));
        out += text.size();
        if (p.width > text.size()) {
            std::memset(out, ' ', std::size_t(p.width - text.size()));
            out += p.width - text.size();
        }
    }
    return out;
}

QString RecordLine::of(QByteArrayView record) const {
    QByteArray line(m_maxLength, Qt::Uninitialized);
    line.truncate(write(line.data(), record) - line.constData());
    return Text::fromWin1252(line);
}

void RecordLine::appendTo(ResultLines& lines, QByteArrayView record) const {
    char* start = lines.appendSpace(m_maxLength);
    lines.shortenLast(m_maxLength - (write(start, record) - start));
}
