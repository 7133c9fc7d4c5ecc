#include "DateText.h"

#include "Text.h"

namespace DateText {

QString format(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate parse(const QString& text) {
    const QStringList parts = Text::trimBlanks(text).split(u'/');
    if (parts.size() != 3 || parts[2].size() != 4)
        return {};
    for (const QString& p : parts)
        if (!Text::isDigits(p) || p.size() > 4)
            return {};
    return QDate(parts[2].toInt(), parts[1].toInt(), parts[0].toInt());
}

} // namespace DateText
