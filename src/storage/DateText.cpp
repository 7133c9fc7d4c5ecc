#include "DateText.h"

#include "FieldBytes.h"
#include "Text.h"

#include <optional>

namespace DateText {

QString format(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate parse(const QString& text) {
    // A character outside the code page becomes '?', which no date holds.
    return parse(QByteArrayView(Text::toWin1252(text)));
}

namespace {

struct Parts {
    int day = 0;
    int month = 0;
    int year = 0;
};

// Three groups of at most four digits between slashes, the last of exactly four; nothing else.
std::optional<Parts> parts(QByteArrayView text) {
    int values[3] = {};
    int group = 0;
    int digits = 0;
    for (const char c : trimmedBytes(text)) {
        if (c == '/') {
            if (digits == 0 || ++group > 2)
                return std::nullopt;
            digits = 0;
        } else if (c >= '0' && c <= '9') {
            if (++digits > 4)
                return std::nullopt;
            values[group] = values[group] * 10 + (c - '0');
        } else {
            return std::nullopt;
        }
    }
    if (group != 2 || digits != 4)
        return std::nullopt;
    return Parts{values[0], values[1], values[2]};
}

} // namespace

QDate parse(QByteArrayView text) {
    const std::optional<Parts> p = parts(text);
    return p ? QDate(p->year, p->month, p->day) : QDate();
}

int yearOf(QByteArrayView text) {
    const std::optional<Parts> p = parts(text);
    return p && QDate::isValid(p->year, p->month, p->day) ? p->year : 0;
}

bool isYear(const QString& text) {
    return text.size() == 4 && Text::isDigits(text);
}

} // namespace DateText
