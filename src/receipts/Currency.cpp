#include "Currency.h"

#include "storage/Text.h"

namespace {

// Whole euros up to 14 digits keep the count of ten-thousandths well inside 64 bits.
constexpr int kMaxEuroDigits = 14;

bool allDigits(QStringView s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

std::optional<Currency> Currency::parse(const QString& text) {
    const QString trimmed = Text::trimBlanks(text);
    QStringView t = trimmed;
    bool negative = false;
    if (t.startsWith(u'+') || t.startsWith(u'-')) {
        negative = t.front() == u'-';
        t = t.mid(1);
    }
    const qsizetype comma = t.indexOf(u',');
    QStringView whole = comma < 0 ? t : t.left(comma);
    const QStringView fraction = comma < 0 ? QStringView() : t.mid(comma + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (!allDigits(whole) || !allDigits(fraction))
        return std::nullopt;
    while (whole.size() > 1 && whole.front() == u'0')
        whole = whole.mid(1);
    if (whole.size() > kMaxEuroDigits)
        return std::nullopt;

    qint64 units = 0;
    for (QChar c : whole)
        units = units * 10 + c.digitValue();
    for (int i = 0; i < 4; ++i)
        units = units * 10 + (i < fraction.size() ? fraction[i].digitValue() : 0);
    if (fraction.size() > 4 && fraction[4] >= u'5')
        ++units;
    return Currency{negative ? -units : units};
}
