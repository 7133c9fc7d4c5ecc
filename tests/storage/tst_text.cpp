#include "TestMain.h"
#include "storage/DateText.h"
#include "storage/Text.h"

#include <QTest>

class TextTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void win1252_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("back");
        // clang-format off
        QTest::newRow("ascii") << "Rossi Mario" << QByteArray("Rossi Mario") << "Rossi Mario";
        QTest::newRow("accents") << QString::fromUtf8("Città è") << QByteArray("Citt\xE0 \xE8") << QString::fromUtf8("Città è");
        QTest::newRow("euro") << QString::fromUtf8("€ 5") << QByteArray("\x80 5") << QString::fromUtf8("€ 5");
        QTest::newRow("quotes") << QString::fromUtf8("“a”…") << QByteArray("\x93" "a\x94\x85") << QString::fromUtf8("“a”…");
        QTest::newRow("emoji") << QString::fromUtf8("a😀b") << QByteArray("a?b") << "a?b";
        QTest::newRow("cyrillic") << QString::fromUtf8("Жa") << QByteArray("?a") << "?a";
        // clang-format on
    }
    void win1252() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, back);
        QCOMPARE(Text::toWin1252(text), bytes);
        QCOMPARE(Text::fromWin1252(bytes), back);
    }

    void undefinedBytesDecodeToControls() {
        QCOMPARE(Text::fromWin1252("\x81\x8D\x8F\x90\x9D"),
                 QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
        QCOMPARE(Text::toWin1252(QString::fromUtf16(u"\u0081")), QByteArray("\x81"));
    }

    void foldingTouchesOnlyAtoZ() {
        QCOMPARE(Text::upperAZ(QString::fromUtf8("rossi è à z")), QString::fromUtf8("ROSSI è à Z"));
        QCOMPARE(Text::lowerAZ(QString::fromUtf8("ROSSI È Z")), QString::fromUtf8("rossi È z"));
    }

    void trimRemovesSpacesAndControls() {
        QCOMPARE(Text::trimBlanks(QStringLiteral("\t \x01 a b \r\n")), QStringLiteral("a b"));
        QCOMPARE(Text::trimBlanks(QString::fromUtf16(u"\u00A0a")), QString::fromUtf16(u"\u00A0a"));
        QCOMPARE(Text::trimBlanks(QStringLiteral("   ")), QString());
    }

    void dates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("plain") << "05/03/2024" << QDate(2024, 3, 5);
        QTest::newRow("blanks") << " 31/12/2023 " << QDate(2023, 12, 31);
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("impossible") << "31/02/2024" << QDate();
        QTest::newRow("two-digit year") << "05/03/24" << QDate();
        QTest::newRow("letters") << "aa/bb/cccc" << QDate();
        QTest::newRow("one letter") << "0a/03/2024" << QDate();
        QTest::newRow("letter in the year") << "05/03/2a24" << QDate();
        QTest::newRow("accented letter") << QString::fromUtf8("ü5/03/2024") << QDate();
        QTest::newRow("day 00") << "00/03/2024" << QDate();
        QTest::newRow("not a leap year") << "29/02/2023" << QDate();
        QTest::newRow("dashes") << "05-03-2024" << QDate();
        QTest::newRow("short day and month") << "5/3/2024" << QDate(2024, 3, 5);
    }
    void dates() {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(DateText::parse(text), date);
        QCOMPARE(DateText::yearOf(Text::toWin1252(text)), date.isValid() ? date.year() : 0);
        if (date.isValid() && Text::trimBlanks(text).size() == 10)
            QCOMPARE(DateText::format(date), Text::trimBlanks(text));
    }
};

ZANDORIO_TEST(TextTest)
#include "tst_text.moc"
