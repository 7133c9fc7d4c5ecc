#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>

// An amount of money as a signed 64-bit count of ten-thousandths of a euro: whole euros and cents
// stay exact from the typed text to the words and the totals, which a binary floating-point
// number would not keep.
struct Currency {
    static constexpr qint64 kPerEuro = 10000;

    qint64 units = 0;

    static constexpr Currency euros(qint64 euros) { return {euros * kPerEuro}; }
    // A plain decimal number with a decimal comma: "120,50", "00120", "-3,5", ",5". Decimals past
    // the fourth round half away from zero. Nothing for any other text, or for more than 14 digits
    // of whole euros.
    static std::optional<Currency> parse(const QString& text);
    // The same on stored Windows-1252 bytes, for scans that never decode a record.
    static std::optional<Currency> parse(QByteArrayView text);

    friend constexpr bool operator==(Currency, Currency) = default;
};
