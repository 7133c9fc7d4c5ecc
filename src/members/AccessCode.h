#pragma once

#include <QString>

#include <optional>

// The code printed on a membership card for the check-in at the desk: "ZANDORIO:" followed by the
// member's record position and card number, "ZANDORIO:12:A-0345". The position finds the member at
// once; the card number, checked against the member's, refuses the card of another installation,
// whose positions mean other people.
namespace AccessCode {

struct Parts {
    int position = 0;
    QString cardNumber;
};

// The code of the member at `position` with card number `cardNumber` (blanks at both ends removed).
QString text(int position, const QString& cardNumber);
// Whether `text` claims to be a code: it starts with "ZANDORIO:" in any letter case, as a scanner
// typing with caps lock on still sends it.
bool isCode(const QString& text);
// The parts of a code; nothing when the text is no code or its position is not a whole number
// from 1 up.
std::optional<Parts> parse(const QString& text);

} // namespace AccessCode
