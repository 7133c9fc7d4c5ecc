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

int digit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

// Three groups of at most four digits between slashes, the last of exactly four; nothing else.
std::optional<Parts> parts(QByteArrayView text) {
    // As the program writes every date, "gg/mm/aaaa", read at once: scans ask it of every record.
    if (text.size() == 10 && text[2] == '/' && text[5] == '/') {
        int d[8];
        const int at[8] = {0, 1, 3, 4, 6, 7, 8, 9};
        bool digits = true;
        for (int i = 0; i < 8; ++i) {
            d[i] = digit(text[at[i]]);
            digits &= d[i] >= 0;
        }
        if (digits)
            return Parts{d[0] * 10 + d[1], d[2] * 10 + d[3], d[4] * 1000 + d[5] * 100 + d[6] * 10 + d[7]};
    }
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
