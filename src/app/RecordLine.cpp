#include "RecordLine.h"

#include "storage/Text.h"

#include <algorithm>

QByteArray RecordLine::literalBytes(const char16_t* literal) {
    return Text::toWin1252(QString::fromUtf16(literal));
}

qsizetype RecordLine::measure(QByteArrayView record, FieldTexts& texts) const {
    texts.resize(qsizetype(m_parts.size()));
    qsizetype length = 0;
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        const Part& p = m_parts[i];
        if (!p.literal.isEmpty()) {
            length += p.literal.size();
            continue;
        }
        QByteArrayView text = trimmedBytes(p.field.text(record));
        if (p.width > 0 && text.size() > p.width)
            text = text.first(p.width);
        texts[qsizetype(i)] = text;
        length += p.width > 0 ? p.width : text.size();
    }
    return length;
}

void RecordLine::write(char* out, const FieldTexts& texts) const {
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        const Part& p = m_parts[i];
        const QByteArrayView text = p.literal.isEmpty() ? texts[qsizetype(i)] : QByteArrayView(p.literal);
        out = std::copy(text.begin(), text.end(), out);
        if (p.width > text.size())
            out = std::fill_n(out, p.width - text.size(), ' ');
    }
}

qsizetype RecordLine::maxLength() const {
    qsizetype length = 0;
    for (const Part& p : m_parts)
        length += !p.literal.isEmpty() ? p.literal.size() : p.width > 0 ? p.width : p.field.capacity;
    return length;
}

QString RecordLine::of(QByteArrayView record) const {
    FieldTexts texts;
    QByteArray line(measure(record, texts), Qt::Uninitialized);
    write(line.data(), texts);
    return Text::fromWin1252(line);
}

void RecordLine::appendTo(ResultLines& lines, QByteArrayView record) const {
    FieldTexts texts;
    const qsizetype length = measure(record, texts);
    write(lines.appendSpace(length), texts);
}
