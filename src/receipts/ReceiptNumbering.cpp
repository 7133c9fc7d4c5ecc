#include "ReceiptNumbering.h"

#include "Currency.h"
#include "storage/Text.h"

namespace ReceiptNumbering {

std::optional<QString> proposed(const QString& start, int count) {
    const QString s = Text::trimBlanks(start);
    const bool signed_ = s.startsWith(u'-') || s.startsWith(u'+');
    const QString digits = signed_ ? s.mid(1) : s;
    bool ok = false;
    const qint64 magnitude = Text::isDigits(digits) ? digits.toLongLong(&ok) : 0;
    qint64 number = 0;
    if (!ok || qAddOverflow(s.startsWith(u'-') ? -magnitude : magnitude, qint64(count), &number))
        return std::nullopt;
    return QString::number(number);
}

QString normalisedStart(const QString& typed) {
    const std::optional<Currency> number = Currency::parse(typed);
    if (!number)
        return QStringLiteral("1");
    // Half a unit more, then down to the whole number below: halves go up, negative ones too.
    const qint64 shifted = number->units + Currency::kPerEuro / 2;
    const qint64 whole = shifted >= 0 ? shifted / Currency::kPerEuro
                                      : -((-shifted + Currency::kPerEuro - 1) / Currency::kPerEuro);
    return QString::number(whole);
}

} // namespace ReceiptNumbering
