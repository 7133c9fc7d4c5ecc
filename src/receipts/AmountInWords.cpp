#include "AmountInWords.h"

#include "storage/Text.h"

#include <algorithm>
#include <array>
#include <cstring>

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

// The words of the groups of three digits above the units, from the thousands up: the group worth
// exactly one, and the ending that follows the group's own words.
struct GroupWords {
    const char* one;
    const char* many;
};

constexpr GroupWords kGroups[] = {
    {"mille", "mila"},
    {"unmilione", "milioni"},
    {"unmiliardo", "miliardi"},
};

// The words of n from 0 to 999, lower case: the unit, then the tens before it (or the teen or the
// elided word in its place), then the hundreds before all.
QString hundredsInWords(int n) {
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

// An upper-case word of an amount, padded to a slot of fixed size: a slot is copied whole, in a few
// moves whatever the word's length, and the next word is written over its padding.
struct Word {
    // Characters: the longest word, "QUATTROCENTOQUARANTAQUATTRO", has 27.
    static constexpr qsizetype kSlot = 32;
    std::array<char16_t, kSlot> slot{};
    qsizetype size = 0;

    Word() = default;
    explicit Word(const QString& lower) : size(lower.size()) {
        Q_ASSERT(size <= kSlot);
        const QString upper = Text::upperAZ(lower);
        std::copy(upper.utf16(), upper.utf16() + size, slot.begin());
    }
};

// Every word an amount is made of, worked out once: the euro box asks for the words at every key.
struct Vocabulary {
    std::array<QString, 1000> hundreds;
    std::array<Word, 1000> upperHundreds;
    std::array<Word, std::size(kGroups)> one;
    std::array<Word, std::size(kGroups)> many;
    Word zero{QStringLiteral("zero")};
    Word andCents{QStringLiteral(" e ")};
    Word cents{QStringLiteral(" centesimi")};
    Word minus{QStringLiteral("- ")};

    Vocabulary() {
        for (std::size_t n = 0; n < hundreds.size(); ++n) {
            hundreds[n] = hundredsInWords(int(n));
            upperHundreds[n] = Word(hundreds[n]);
        }
        for (std::size_t g = 0; g < std::size(kGroups); ++g) {
            one[g] = Word(QLatin1String(kGroups[g].one));
            many[g] = Word(QLatin1String(kGroups[g].many));
        }
    }
};

const Vocabulary& vocabulary() {
    static const Vocabulary words;
    return words;
}

} // namespace

QString CentinaiaInLettere(int n) {
    if (n < 0 || n > 999)
        return {};
    return vocabulary().hundreds[std::size_t(n)];
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

    const Vocabulary& v = vocabulary();
    // At most a sign, three groups of two words, the units and three words of cents.
    std::array<const Word*, 12> words;
    std::size_t count = 0;
    qsizetype size = 0;
    const auto add = [&](const Word& w) {
        words[count++] = &w;
        size += w.size;
    };
    if (negative)
        add(v.minus);
    if (euros == 0) {
        add(v.zero);
    } else {
        // The groups of three digits from the units up; groups above the fourth are out of range.
        const int groups[] = {int(euros % 1000), int(euros / 1000 % 1000), int(euros / 1000000 % 1000),
                              int(euros / 1000000000 % 1000)};
        for (std::size_t g = std::size(kGroups); g >= 1; --g) {
            if (groups[g] == 1) {
                add(v.one[g - 1]);
            } else if (groups[g] != 0) {
                add(v.upperHundreds[std::size_t(groups[g])]);
                add(v.many[g - 1]);
            }
        }
        add(v.upperHundreds[std::size_t(groups[0])]);
    }
    if (cents != 0) {
        add(v.andCents);
        add(v.upperHundreds[std::size_t(cents)]);
        add(v.cents);
    }

    // Room for the last word's whole slot; the padding is cut off after.
    QString text(size + Word::kSlot, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (std::size_t i = 0; i < count; ++i) {
        std::memcpy(out, words[i]->slot.data(), sizeof(Word::slot));
        out += words[i]->size;
    }
    text.truncate(size);
    return text;
}
