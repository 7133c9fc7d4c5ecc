#include "TestMain.h"
#include "receipts/AmountInWords.h"

#include <QTest>

#include <limits>

namespace {

constexpr qint64 kNotANumber = std::numeric_limits<qint64>::min();

} // namespace

class AmountInWordsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeEuros_data() {
        QTest::addColumn<qint64>("euros");
        QTest::addColumn<QString>("words");
        // clang-format off
        QTest::newRow("0") << 0LL << "ZERO";
        QTest::newRow("1") << 1LL << "UNO";
        QTest::newRow("16") << 16LL << "SEDICI";
        QTest::newRow("21") << 21LL << "VENTUNO";
        QTest::newRow("28") << 28LL << "VENTIOTTO";
        QTest::newRow("100") << 100LL << "CENTO";
        QTest::newRow("108") << 108LL << "CENTOOTTO";
        QTest::newRow("111") << 111LL << "CENTOUNDICI";
        QTest::newRow("181") << 181LL << "CENTOOTTANTUNO";
        QTest::newRow("1 000") << 1000LL << "MILLE";
        QTest::newRow("1 001") << 1001LL << "MILLEUNO";
        QTest::newRow("2 024") << 2024LL << "DUEMILAVENTIQUATTRO";
        QTest::newRow("21 000") << 21000LL << "VENTUNOMILA";
        QTest::newRow("101 000") << 101000LL << "CENTOUNOMILA";
        QTest::newRow("1 000 000") << 1000000LL << "UNMILIONE";
        QTest::newRow("1 001 000") << 1001000LL << "UNMILIONEMILLE";
        QTest::newRow("2 500 000") << 2500000LL << "DUEMILIONICINQUECENTOMILA";
        QTest::newRow("99 999 999") << 99999999LL << "NOVANTANOVEMILIONINOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE";
        QTest::newRow("38 keeps its vowel") << 38LL << "TRENTAOTTO";
        QTest::newRow("180") << 180LL << "CENTOOTTANTA";
        QTest::newRow("zero group inside") << 1000001LL << "UNMILIONEUNO";
        QTest::newRow("one billion") << 1000000000LL << "UNMILIARDO";
        QTest::newRow("billions") << 3000000017LL << "TREMILIARDIDICIASSETTE";
        QTest::newRow("longest words") << 444444444LL
            << "QUATTROCENTOQUARANTAQUATTROMILIONIQUATTROCENTOQUARANTAQUATTROMILAQUATTROCENTOQUARANTAQUATTRO";
        // clang-format on
    }
    void wholeEuros() {
        QFETCH(qint64, euros);
        QFETCH(QString, words);
        QCOMPARE(ImportoInLettere(Currency::euros(euros)), words);
    }

    void centsSignAndRounding_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("words");
        // clang-format off
        QTest::newRow("cents") << "12,50" << "DODICI E CINQUANTA CENTESIMI";
        QTest::newRow("negative") << "-12,50" << "- DODICI E CINQUANTA CENTESIMI";
        QTest::newRow("negative whole") << "-28" << "- VENTIOTTO";
        QTest::newRow("cents only") << "0,05" << "ZERO E CINQUE CENTESIMI";
        QTest::newRow("leading zeros") << "00120" << "CENTOVENTI";
        QTest::newRow("half a cent to even, down") << "0,005" << "ZERO";
        QTest::newRow("half a cent to even, up") << "0,015" << "ZERO E DUE CENTESIMI";
        QTest::newRow("just under a euro rounds up") << "12,995" << "TREDICI";
        // clang-format on
    }
    void centsSignAndRounding() {
        QFETCH(QString, amount);
        QFETCH(QString, words);
        const std::optional<Currency> value = Currency::parse(amount);
        QVERIFY(value);
        QCOMPARE(ImportoInLettere(*value), words);
    }

    void hundredsInLowerCase() {
        QCOMPARE(CentinaiaInLettere(0), QString());
        QCOMPARE(CentinaiaInLettere(10), QStringLiteral("dieci"));
        QCOMPARE(CentinaiaInLettere(999), QStringLiteral("novecentonovantanove"));
        QCOMPARE(CentinaiaInLettere(1000), QString());
    }

    void parsingAmounts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("units");
        // clang-format off
        QTest::newRow("whole") << "120" << 1200000LL;
        QTest::newRow("comma") << "120,5" << 1205000LL;
        QTest::newRow("only fraction") << ",25" << 2500LL;
        QTest::newRow("trailing comma") << "7," << 70000LL;
        QTest::newRow("blanks around") << " 3 " << 30000LL;
        QTest::newRow("fifth decimal rounds") << "0,00005" << 1LL;
        QTest::newRow("negative rounds away") << "-0,00005" << -1LL;
        QTest::newRow("fourteen digits") << "99999999999999" << 999999999999990000LL;
        QTest::newRow("fifteen digits") << "999999999999999" << kNotANumber;
        QTest::newRow("dot") << "1.5" << kNotANumber;
        QTest::newRow("letters") << "abc" << kNotANumber;
        QTest::newRow("two commas") << "1,2,3" << kNotANumber;
        QTest::newRow("empty") << "" << kNotANumber;
        QTest::newRow("sign alone") << "-" << kNotANumber;
        QTest::newRow("comma alone") << "," << kNotANumber;
        QTest::newRow("plus sign") << "+5" << 50000LL;
        QTest::newRow("sign and fraction") << "-,5" << -5000LL;
        QTest::newRow("zeros before fourteen digits") << "0099999999999999" << 999999999999990000LL;
        QTest::newRow("blank inside") << "1 000" << kNotANumber;
        QTest::newRow("sign after digits") << "5-" << kNotANumber;
        // clang-format on
    }
    void parsingAmounts() {
        QFETCH(QString, text);
        QFETCH(qint64, units);
        const std::optional<Currency> value = Currency::parse(text);
        QCOMPARE(value ? value->units : kNotANumber, units);
    }
};

ZANDORIO_TEST(AmountInWordsTest)
#include "tst_words.moc"
