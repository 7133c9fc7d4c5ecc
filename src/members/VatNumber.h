#pragma once

#include <QString>

// The check digit of an Italian VAT number (partita IVA) and the office that issued it.
namespace VatNumber {

// Exactly 11 digits, the last of them the check digit of the first ten.
bool isValid(const QString& number);
// The town of the VAT office named by characters 8 to 10; empty for a code the table lacks.
QString office(const QString& number);

} // namespace VatNumber
