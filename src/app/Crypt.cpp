#include "Crypt.h"

#include "storage/StorageError.h"

namespace {

constexpr quint16 kStartKey = 0xB84F;
constexpr quint16 kMultiplier = 0x94E2;
constexpr quint16 kAddend = 0x7A19;

int hexDigit(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    throw StorageError("not a hexadecimal pair");
}

quint16 advance(quint16 key, quint8 scrambled) {
    return quint16(quint32(scrambled + key) * kMultiplier + kAddend);
}

} // namespace

namespace Crypt {

QString Scramble(const QString& clear) {
    QString hex;
    hex.reserve(clear.size() * 2);
    quint16 key = kStartKey;
    for (QChar c : clear) {
        const auto s = quint8(quint8(c.unicode() & 0xFF) ^ (key >> 8));
        hex += QStringLiteral("%1").arg(s, 2, 16, QLatin1Char('0')).toUpper();
        key = advance(key, s);
    }
    return hex;
}

QString Unscramble(const QString& hex) {
    QString clear;
    quint16 key = kStartKey;
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        const auto v = quint8(hexDigit(hex[i]) * 16 + hexDigit(hex[i + 1]));
        clear += QChar(char16_t(v ^ (key >> 8)));
        key = advance(key, v);
    }
    return clear;
}

} // namespace Crypt
