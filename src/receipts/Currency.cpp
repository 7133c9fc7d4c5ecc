#include "Currency.h"

#include "storage/FieldBytes.h"
#include "storage/Text.h"

namespace {

// Whole euros up to 14 digits keep the count of ten-thousandths well inside 64 bits.
constexpr int kMaxEuroDigits = 14;

bool allDigits(QByteArrayView s) {
    for (const char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

std::optional<Currency> Currency::parse(const QString& text) {
    // A character outside the code page becomes '?', which no amount holds.
    return parse(QByteArrayView(Text::toWin1252(text)));
}

std::optional<Currency> Currency::parse(QByteArrayView text) {
    QByteArrayView t = trimmedBytes(text);
    bool negative = false;
    if (t.startsWith('+') || t.startsWith('-')) {
        negative = t.front() == '-';
        t = t.sliced(1);
    }
    const qsizetype comma = t.indexOf(',');
    QByteArrayView whole = comma < 0 ? t : t.first(comma);
    const QByteArrayView fraction = comma < 0 ? QByteArrayView() : t.sliced(comma + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (!allDigits(whole) || !allDigits(fraction))
        return std::nullopt;
    while (whole.size() > 1 && whole.front() == '0')
        whole = whole.sliced(1);
    if (whole.size() > kMaxEuroDigits)
        return std::nullopt;

    qint64 units = 0;
    for (const char c : whole)
        units = units * 10 + (c - '0');
    for (int i = 0; i < 4; ++i)
        units = units * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    if (fraction.size() > 4 && fraction[4] >= '5')
        ++units;
    return Currency{negative ? -units : units};
}
