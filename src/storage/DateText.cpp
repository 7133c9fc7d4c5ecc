#include "DateText.h"

#include "FieldBytes.h"
#include "Text.h"

namespace DateText {

QString format(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate parse(const QString& text) {
    // A character outside the code page becomes '?', which no date holds.
    return parse(QByteArrayView(Text::toWin1252(text)));
}

QDate parse(QByteArrayView text) {
    // Three groups of at most four digits between slashes, the last of exactly four.
    int values[3] = {};
    int group = 0;
    int digits = 0;
    for (const char c : trimmedBytes(text)) {
        if (c == '/') {
            if (digits == 0 || ++group > 2)
                return {};
            digits = 0;
        } else if (c >= '0' && c <= '9') {
            if (++digits > 4)
                return {};
            values[group] = values[group] * 10 + (c - '0');
        } else {
            return {};
        }
    }
    if (group != 2 || digits != 4)
        return {};
    return QDate(values[2], values[1], values[0]);
}

bool isYear(const QString& text) {
    return text.size() == 4 && Text::isDigits(text);
}

} // namespace DateText
