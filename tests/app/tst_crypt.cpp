#include "TestMain.h"
#include "app/Crypt.h"
#include "storage/IniFile.h"
#include "storage/StorageError.h"

#include <QTest>

class CryptTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data() {
        QTest::addColumn<QString>("clear");
        QTest::newRow("empty") << QString();
        QTest::newRow("first access") << QStringLiteral("PELLICANOVERDE");
        QTest::newRow("blanks and symbols") << QStringLiteral(" a=b\\c ");
        QTest::newRow("latin-1") << QString::fromUtf8("ÀÈÌòùÿ€").left(6);
        QTest::newRow("long") << QString(255, u'Z');
    }
    void roundTrip() {
        QFETCH(QString, clear);
        const QString hex = Crypt::Scramble(clear);
        QCOMPARE(hex.size(), 2 * clear.size());
        QCOMPARE(hex, hex.toUpper());
        QCOMPARE(Crypt::Unscramble(hex), clear);
        QCOMPARE(Crypt::Unscramble(hex.toLower()), clear);
    }

    void keyAdvancesWithTheScrambledByte() {
        // Same letter twice scrambles differently: the key moves on after every character.
        const QString hex = Crypt::Scramble(QStringLiteral("AA"));
        QVERIFY(hex.left(2) != hex.mid(2));
        QCOMPARE(hex.left(2), QStringLiteral("F9")); // 'A' (0x41) XOR 0xB8
    }

    void oddTrailingDigitIsIgnored() {
        const QString hex = Crypt::Scramble(QStringLiteral("ABC"));
        QCOMPARE(Crypt::Unscramble(hex + u'7'), QStringLiteral("ABC"));
    }

    void nonHexPairFails() {
        QVERIFY_THROWS_EXCEPTION(StorageError, Crypt::Unscramble(QStringLiteral("F9G1")));
        QVERIFY_THROWS_EXCEPTION(StorageError, Crypt::Unscramble(QStringLiteral("+1")));
    }

    void shippedSettingsHoldTheFirstAccessPassword() {
        const IniFile ini = IniFile::read(qEnvironmentVariable("SOURCE_DIR") + "/assets/unins000.dll");
        QCOMPARE(Crypt::Unscramble(ini.value("Accesso", "Valore")), QStringLiteral("PELLICANOVERDE"));
    }
};

ZANDORIO_TEST(CryptTest)
#include "tst_crypt.moc"
