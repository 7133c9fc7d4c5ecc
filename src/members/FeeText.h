#pragma once

#include <QString>

// The membership fee as the member card keeps it: euro with a comma and exactly two decimals.
namespace FeeText {

// The fee typed by the user, rounded half up to the cent and written "12,50"; an empty text or
// one that is no number becomes "0,00".
QString format(const QString& typed);

} // namespace FeeText
