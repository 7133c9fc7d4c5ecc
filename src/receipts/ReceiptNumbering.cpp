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

Settled settle(const QString& number, bool proposed, const QSet<QString>& others) {
    if (!others.contains(number))
        return {Settled::Kept, number};
    bool ok = false;
    qint64 next = proposed ? number.toLongLong(&ok) : 0;
    // A proposal is always a plain decimal number; anything else is the user's.
    if (!ok || QString::number(next) != number)
        return {Settled::Taken, number};
    do {
        if (qAddOverflow(next, qint64(1), &next))
            return {Settled::Taken, number};
    } while (others.contains(QString::number(next)));
    return {Settled::Renumbered, QString::number(next)};
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
