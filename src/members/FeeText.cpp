#include "FeeText.h"

#include "storage/Text.h"

#include <QRegularExpression>

#include <cmath>

namespace FeeText {

QString format(const QString& typed) {
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+(,\\d*)?|,\\d+)$"));
    const QString text = Text::trimBlanks(typed);
    if (!number.match(text).hasMatch())
        return QStringLiteral("0,00");
    QString dotted = text;
    dotted.replace(u',', u'.');
    // Half a cent more, then the fraction dropped: the rounding the fee has always had.
    const double cents = std::trunc(dotted.toDouble() * 100 + 0.5);
    // Adding zero turns a negative zero into zero.
    return QString::number(cents / 100 + 0.0, 'f', 2).replace(u'.', u',');
}

} // namespace FeeText
