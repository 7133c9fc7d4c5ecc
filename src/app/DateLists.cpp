#include "DateLists.h"

#include "storage/Text.h"

namespace {

QStringList twoDigits(int first, int last) {
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return numbers;
}

} // namespace

namespace DateLists {

QString monthName(int month) {
    return month >= 1 && month <= 12 ? QString::fromLatin1(kMonths[month - 1]) : QString();
}

int monthNumber(const QString& name) {
    const QString wanted = Text::lowerAZ(Text::trimBlanks(name));
    for (int m = 1; m <= 12; ++m)
        if (wanted == Text::lowerAZ(monthName(m)))
            return m;
    return 0;
}

QStringList days() {
    return twoDigits(1, 31);
}

QStringList months() {
    QStringList names;
    for (const char* name : kMonths)
        names << QString::fromLatin1(name);
    return names;
}

QStringList hours() {
    return twoDigits(0, 23);
}

QStringList minutes() {
    return twoDigits(0, 59);
}

} // namespace DateLists
