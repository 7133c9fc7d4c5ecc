#pragma once

#include <QString>

#include <optional>

// The body mass index (indice di massa corporea) and its weight classes, which differ for
// women and men.
namespace BodyMassIndex {

enum class Sex { Woman, Man };

// Weight in kilograms, height in centimetres.
double index(double weightKg, double heightCm);
// The class of the unrounded index, in the wording for that sex.
QString weightClass(double index, Sex sex);
// The index rounded to two decimals (halves up), in its shortest form with a decimal comma:
// 22,86; 22,9; 25.
QString display(double index);
// A weight or height as typed or pasted: digits with at most one decimal comma and an optional
// minus sign; nothing for any other text, so garbage never reaches the computation.
std::optional<double> readNumber(const QString& text);

} // namespace BodyMassIndex
