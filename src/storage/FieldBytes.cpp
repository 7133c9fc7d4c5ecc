#include "FieldBytes.h"

QByteArrayView trimmedBytes(QByteArrayView bytes) {
    qsizetype b = 0, e = bytes.size();
    while (b < e && static_cast<unsigned char>(bytes[b]) <= 0x20)
        ++b;
    while (e > b && static_cast<unsigned char>(bytes[e - 1]) <= 0x20)
        --e;
    return bytes.sliced(b, e - b);
}

QByteArrayView FieldBytes::text(QByteArrayView record) const {
    if (offset >= record.size())
        return {};
    const QByteArrayView field =
        record.sliced(offset, std::min<qsizetype>(capacity + 1, record.size() - offset));
    if (kind == FieldKind::String) {
        const qsizetype length =
            std::min<qsizetype>({static_cast<unsigned char>(field[0]), capacity, field.size() - 1});
        return trimmedBytes(field.sliced(1, length));
    }
    const qsizetype zero = field.indexOf('\0');
    const QByteArrayView chars = zero < 0 ? field : field.first(zero);
    return kind == FieldKind::CharTrimmed ? trimmedBytes(chars) : chars;
}
