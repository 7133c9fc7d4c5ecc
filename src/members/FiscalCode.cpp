#include "FiscalCode.h"

#include <array>

namespace {

// Values of the letters A to Z at odd and even positions; the digit d counts as the letter A + d.
struct CharacterValue {
    char letter;
    int odd;
    int even;
};

constexpr std::array<CharacterValue, 26> kValues = {{
    {'A', 1, 0},   {'B', 0, 1},   {'C', 5, 2},   {'D', 7, 3},   {'E', 9, 4},   {'F', 13, 5},  {'G', 15, 6},
    {'H', 17, 7},  {'I', 19, 8},  {'J', 21, 9},  {'K', 2, 10},  {'L', 4, 11},  {'M', 18, 12}, {'N', 20, 13},
    {'O', 11, 14}, {'P', 3, 15},  {'Q', 6, 16},  {'R', 8, 17},  {'S', 12, 18}, {'T', 14, 19}, {'U', 16, 20},
    {'V', 10, 21}, {'W', 22, 22}, {'X', 25, 23}, {'Y', 24, 24}, {'Z', 23, 25},
}};

// The punctuation between '9' and 'A' (":;<=>?@") counts nothing at either kind of position.
std::optional<int> valueOf(QChar c, bool oddPosition) {
    const char16_t u = c.unicode();
    std::size_t row;
    if (u >= u'0' && u <= u'9')
        row = u - u'0';
    else if (u >= u'A' && u <= u'Z')
        row = u - u'A';
    else if (u > u'9' && u < u'A')
        return 0;
    else
        return std::nullopt;
    return oddPosition ? kValues[row].odd : kValues[row].even;
}

} // namespace

namespace FiscalCode {

std::optional<QChar> controlCharacter(QStringView first15) {
    if (first15.size() != 15)
        return std::nullopt;
    int sum = 0;
    for (qsizetype i = 0; i < 15; ++i) {
        // Positions count from 1: index 0 is position 1, an odd one.
        const std::optional<int> value = valueOf(first15[i], i % 2 == 0);
        if (!value)
            return std::nullopt;
        sum += *value;
    }
    return QChar(u'A' + sum % 26);
}

bool isValid(QStringView code) {
    if (code.size() != 16)
        return false;
    const std::optional<QChar> expected = controlCharacter(code.first(15));
    return expected && *expected == code[15];
}

} // namespace FiscalCode
