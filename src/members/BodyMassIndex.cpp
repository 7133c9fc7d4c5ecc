#include "BodyMassIndex.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <span>

namespace {

// The first row whose upper limit lies above the index applies: each lower limit belongs to
// its own row.
struct WeightClass {
    double below;
    const char* text;
};

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

constexpr WeightClass kWoman[] = {
    {17.5, "SEI ANORESSICA!"},
    {19.1, "SEI SOTTOPESO!"},
    {25.8, "IL TUO PESO E' NELLA NORMA!"},
    {27.3, "SEI LEGGERMENTE SOVRAPPESO!"},
    {32.3, "SEI SOVRAPPESO!"},
    {35, "SEI OBESA!"},
    {40, "SEI GRAVEMENTE OBESA!"},
    {50, "SEI PATOLOGICAMENTE OBESA!"},
    {60, "SEI SUPER-OBESA!"},
    {kNoLimit, "LA TUA OBESITA' E' GRAVISSIMA!"},
};

constexpr WeightClass kMan[] = {
    {17.5, "SEI ANORESSICO!"},
    {20.7, "SEI SOTTOPESO!"},
    {26.4, "IL TUO PESO E' NELLA NORMA!"},
    {27.8, "SEI LEGGERMENTE SOVRAPPESO!"},
    {31.1, "SEI SOVRAPPESO!"},
    {35, "SEI OBESO!"},
    {40, "SEI GRAVEMENTE OBESO!"},
    {50, "SEI PATOLOGICAMENTE OBESO!"},
    {60, "SEI SUPER-OBESO!"},
    {kNoLimit, "LA TUA OBESITA' E' GRAVISSIMA!"},
};

} // namespace

namespace BodyMassIndex {

double index(double weightKg, double heightCm) {
    const double metres = heightCm / 100;
    return weightKg / (metres * metres);
}

QString weightClass(double index, Sex sex) {
    for (const WeightClass& c : sex == Sex::Woman ? std::span(kWoman) : std::span(kMan))
        if (index < c.below)
            return QString::fromLatin1(c.text);
    return {};
}

QString display(double index) {
    const double rounded = std::trunc(index * 100 + 0.5) / 100;
    return QString::number(rounded, 'g', 15).replace(u'.', u',');
}

std::optional<double> readNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^-?([0-9]+(,[0-9]*)?|,[0-9]+)$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    QString plain = text;
    bool ok = false;
    const double value = plain.replace(u',', u'.').toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace BodyMassIndex
