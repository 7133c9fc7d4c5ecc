#include "Currency.h"

#include "storage/FieldBytes.h"
#include "storage/Text.h"

namespace {

// Whole euros up to 14 digits keep the count of ten-thousandths well inside 64 bits.
constexpr int kMaxEuroDigits = 14;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<Currency> Currency::parse(const QString& text) {
    // A character outside the code page becomes '?', which no amount holds.
    return parse(QByteArrayView(Text::toWin1252(text)));
}

std::optional<Currency> Currency::parse(QByteArrayView text) {
    // One pass over the bytes: a total is read for every receipt a summary lists.
    const QByteArrayView t = trimmedBytes(text);
    const char* c = t.data();
    const char* const end = c + t.size();
    const bool negative = c < end && *c == '-';
    if (c < end && (*c == '-' || *c == '+'))
        ++c;
    const char* const whole = c;
    qint64 units = 0;
    int significant = 0; // whole-euro digits after the leading zeros
    for (; c < end && isDigit(*c); ++c) {
        if (units == 0 && *c == '0')
            continue;
        if (++significant > kMaxEuroDigits)
            return std::nullopt;
        units = units * 10 + (*c - '0');
    }
    const bool hasWhole = c > whole;
    if (c < end && *c != ',')
        return std::nullopt;
    int decimals = 0;
    bool roundUp = false;
    if (c < end) { // the comma, then digits only
        for (++c; c < end; ++c, ++decimals) {
            if (!isDigit(*c))
                return std::nullopt;
            if (decimals < 4)
                units = units * 10 + (*c - '0');
            else if (decimals == 4)
                roundUp = *c >= '5';
        }
    }
    if (!hasWhole && decimals == 0)
        return std::nullopt; // no digit at all
    for (int i = decimals; i < 4; ++i)
        units *= 10;
    if (roundUp)
        ++units;
    return Currency{negative ? -units : units};
}
