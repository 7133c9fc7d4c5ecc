#include "AmountInWords.h"

#include "storage/Text.h"

namespace {

// The words of one digit in each place, lower case. The elided tens word stands for the tens and
// the unit together when the unit is 1 (ventuno); the teens stand for the tens digit 1.
struct DigitWords {
    const char* unit;
    const char* teen;
    const char* tens;
    const char* elidedTens;
    const char* hundreds;
};

constexpr DigitWords kDigits[] = {
    {"", "dieci", "", "", ""},
    {"uno", "undici", "", "", "cento"},
    {"due", "dodici", "venti", "ventuno", "duecento"},
    {"tre", "tredici", "trenta", "trentuno", "trecento"},
    {"quattro", "quattordici", "quaranta", "quarantuno", "quattrocento"},
    {"cinque", "quindici", "cinquanta", "cinquantuno", "cinquecento"},
    {"sei", "sedici", "sessanta", "sessantuno", "seicento"},
    {"sette", "diciassette", "settanta", "settantuno", "settecento"},
    {"otto", "diciotto", "ottanta", "ottantuno", "ottocento"},
    {"nove", "diciannove", "novanta", "novantuno", "novecento"},
};

// The words of the groups of three digits above the units: the group worth exactly one, and the
// ending that follows the group's own words.
struct GroupWords {
    const char* one;
    const char* many;
};

constexpr GroupWords kGroups[] = {
    {"mille", "mila"},
    {"unmilione", "milioni"},
    {"unmiliardo", "miliardi"},
};

} // namespace

QString CentinaiaInLettere(int n) {
    if (n < 0 || n > 999)
        return {};
    const int h = n / 100;
    const int t = n / 10 % 10;
    const int u = n % 10;

    QString words = QLatin1String(kDigits[u].unit);
    if (t == 1)
        words = QLatin1String(kDigits[u].teen);
    else if (t >= 2 && u == 1)
        words = QLatin1String(kDigits[t].elidedTens);
    else if (t >= 2)
        words.prepend(QLatin1String(kDigits[t].tens));
    words.prepend(QLatin1String(kDigits[h].hundreds));
    return words;
}

QString ImportoInLettere(Currency amount) {
    const bool negative = amount.units < 0;
    // The magnitude as unsigned, so that even the most negative amount has one.
    const quint64 units = negative ? 0 - quint64(amount.units) : quint64(amount.units);
    quint64 euros = units / Currency::kPerEuro;
    // Hundredths of the fraction, rounded half to even.
    const int fraction = int(units % Currency::kPerEuro);
    int cents = fraction / 100;
    const int rest = fraction % 100;
    if (rest > 50 || (rest == 50 && cents % 2 == 1))
        ++cents;
    // A fraction of 0,995 or more rounds to a whole euro, not to "cento centesimi".
    if (cents == 100) {
        ++euros;
        cents = 0;
    }

    QString words;
    if (euros == 0) {
        words = QStringLiteral("zero");
    } else {
        words = CentinaiaInLettere(int(euros % 1000));
        quint64 above = euros / 1000;
        for (const GroupWords& group : kGroups) {
            const QString w = CentinaiaInLettere(int(above % 1000));
            if (w == QLatin1String("uno"))
                words.prepend(QLatin1String(group.one));
            else if (!w.isEmpty())
                words.prepend(w + QLatin1String(group.many));
            above /= 1000;
        }
    }
    if (cents != 0)
        words += QStringLiteral(" e ") + CentinaiaInLettere(cents) + QStringLiteral(" centesimi");
    if (negative)
        words.prepend(QStringLiteral("- "));
    return Text::upperAZ(words);
}
