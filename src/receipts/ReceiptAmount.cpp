#include "ReceiptAmount.h"

#include "storage/Text.h"

namespace ReceiptAmount {

QString cents(const QString& typed) {
    const QString c = Text::trimBlanks(typed);
    if (c.isEmpty())
        return QStringLiteral("00");
    if (c.size() == 1)
        return c + u'0';
    return c.left(2);
}

Normalised normalised(const QString& euro, const QString& centsText) {
    Normalised n;
    n.euro = Text::trimBlanks(euro);
    if (n.euro.isEmpty())
        n.euro = QStringLiteral("0");
    n.cents = cents(centsText);
    n.total = n.euro + u',' + n.cents;
    return n;
}

} // namespace ReceiptAmount
