#include "AccessCode.h"

#include "storage/Text.h"

namespace {

const QString kPrefix = QStringLiteral("ZANDORIO:");
// More digits than any archive holds records would not fit an int.
constexpr int kMaxPositionDigits = 9;

} // namespace

namespace AccessCode {

QString text(int position, const QString& cardNumber) {
    return kPrefix + QString::number(position) + u':' + Text::trimBlanks(cardNumber);
}

bool isCode(const QString& text) {
    return text.startsWith(kPrefix, Qt::CaseInsensitive);
}

std::optional<Parts> parse(const QString& text) {
    if (!isCode(text))
        return std::nullopt;
    const qsizetype colon = text.indexOf(u':', kPrefix.size());
    if (colon < 0)
        return std::nullopt;
    const QString digits = text.mid(kPrefix.size(), colon - kPrefix.size());
    if (!Text::isDigits(digits) || digits.size() > kMaxPositionDigits)
        return std::nullopt;
    const int position = digits.toInt();
    if (position < 1)
        return std::nullopt;
    return Parts{position, Text::trimBlanks(text.mid(colon + 1))};
}

} // namespace AccessCode
