#include "ReceiptFixture.h"
#include "TestMain.h"
#include "receipts/ReceiptAmount.h"
#include "receipts/ReceiptExport.h"
#include "receipts/ReceiptLine.h"
#include "receipts/ReceiptNumbering.h"
#include "receipts/ReceiptSettings.h"
#include "receipts/TSchedaRicevuta.h"
#include "storage/ArchiveFile.h"
#include "storage/FieldBytes.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

using R = TSchedaRicevuta;

} // namespace

class ReceiptLogicTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordLayout_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("capacity");
        // clang-format off
        QTest::newRow("NumeroRicevuta") << 0 << 30;
        QTest::newRow("DataRicevuta") << 31 << 10;
        QTest::newRow("ImportoEuro") << 42 << 8;
        QTest::newRow("ImportoCentesimi") << 51 << 2;
        QTest::newRow("ImportoLettere") << 54 << 250;
        QTest::newRow("CentesimiLettere") << 305 << 2;
        QTest::newRow("ImportoTotale") << 308 << 11;
        QTest::newRow("Ricevente1") << 320 << 50;
        QTest::newRow("Ricevente2") << 371 << 50;
        QTest::newRow("Ricevente3") << 422 << 50;
        QTest::newRow("Ricevente4") << 473 << 50;
        QTest::newRow("Pagatore") << 524 << 50;
        QTest::newRow("CodiceFiscalePagatore") << 575 << 16;
        QTest::newRow("AttivitaSportiva") << 592 << 120;
        QTest::newRow("PeriodoDal") << 713 << 10;
        QTest::newRow("PeriodoAl") << 724 << 10;
        QTest::newRow("Praticante") << 735 << 50;
        QTest::newRow("LuogoNascitaPraticante") << 786 << 50;
        QTest::newRow("DataNascitaPraticante") << 837 << 10;
        QTest::newRow("IndirizzoPraticante") << 848 << 250;
        // clang-format on
    }
    void recordLayout() {
        QFETCH(int, offset);
        QFETCH(int, capacity);
        for (const RecordField<R>& f : R::fields()) {
            if (QLatin1String(f.name) != QLatin1String(QTest::currentDataTag()))
                continue;
            const FieldBytes bytes = FieldBytes::of(f.member);
            QCOMPARE(bytes.offset, offset);
            QCOMPARE(bytes.capacity, capacity);
            return;
        }
        QFAIL("no such field");
    }

    void yearlyArchivesAreNamedAfterTheYearAndHoldWholeRecords() {
        ReceiptFolder f;
        QCOMPARE(R::path(QStringLiteral(" 2024 ")), f.folder.path(QStringLiteral("2024.ric")));
        // Two receipts and the start of a third cut short: the next save writes from byte 2198.
        f.seed({receipt("1"), receipt("2")});
        {
            QFile tail(f.path());
            QVERIFY(tail.open(QIODevice::Append));
            tail.write(QByteArray(100, 'z'));
        }
        ArchiveFile file(f.path(), R::Size);
        file.open();
        QCOMPARE(file.count(), 2);
        QCOMPARE(file.append(ReceiptCodec::encode(receipt("3", "C"))), 3);
        file.close();
        const QByteArray bytes = f.folder.read(QStringLiteral("2024.ric"));
        QCOMPARE(bytes.size(), 3 * R::Size);
        QCOMPARE(ReceiptCodec::decode(QByteArrayView(bytes).sliced(2198)).Pagatore, QStringLiteral("C"));
    }

    void saveNormalisesTheAmount_data() {
        QTest::addColumn<QString>("euro");
        QTest::addColumn<QString>("cents");
        QTest::addColumn<QString>("storedEuro");
        QTest::addColumn<QString>("storedCents");
        QTest::addColumn<QString>("total");
        // clang-format off
        QTest::newRow("typed whole")      << "120" << "50" << "120" << "50" << "120,50";
        QTest::newRow("empty euros")      << ""    << "00" << "0"   << "00" << "0,00";
        QTest::newRow("blank euros")      << "  "  << ""   << "0"   << "00" << "0,00";
        QTest::newRow("one cent digit")   << ""    << "5"  << "0"   << "50" << "0,50";
        QTest::newRow("three cent digits")<< "28"  << "123"<< "28"  << "12" << "28,12";
        QTest::newRow("leading zeros kept")<< "007"<< "05" << "007" << "05" << "007,05";
        // clang-format on
    }
    void saveNormalisesTheAmount() {
        QFETCH(QString, euro);
        QFETCH(QString, cents);
        const ReceiptAmount::Normalised n = ReceiptAmount::normalised(euro, cents);
        QTEST(n.euro, "storedEuro");
        QTEST(n.cents, "storedCents");
        QTEST(n.total, "total");
    }

    void proposedNumbers_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("proposed"); // empty: the start is no whole number
        // clang-format off
        QTest::newRow("default, empty archive") << "1" << 0 << "1";
        QTest::newRow("start 100, three receipts") << "100" << 3 << "103";
        QTest::newRow("start 200, three receipts") << "200" << 3 << "203";
        QTest::newRow("start 0") << "0" << 0 << "0";
        QTest::newRow("leading zeros") << "00012" << 1 << "13";
        QTest::newRow("blanks around") << " 7 " << 2 << "9";
        QTest::newRow("decimal") << "1,5" << 0 << "";
        QTest::newRow("letters") << "abc" << 0 << "";
        QTest::newRow("sign alone") << "-" << 0 << "";
        QTest::newRow("beyond 64 bits") << "99999999999999999999" << 0 << "";
        // clang-format on
    }
    void proposedNumbers() {
        QFETCH(QString, start);
        QFETCH(int, count);
        QTEST(ReceiptNumbering::proposed(start, count).value_or(QString()), "proposed");
    }

    void savedNumberAgainstTheOthers_data() {
        using S = ReceiptNumbering::Settled;
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("proposed");
        QTest::addColumn<QStringList>("others");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("settled");
        const QString max = QString::number(std::numeric_limits<qint64>::max());
        // clang-format off
        QTest::newRow("free")                 << "3"   << true  << QStringList{"1", "2"}      << int(S::Kept)       << "3";
        QTest::newRow("free, typed")          << "A-1" << false << QStringList{"1", "2"}      << int(S::Kept)       << "A-1";
        QTest::newRow("proposal taken")       << "2"   << true  << QStringList{"1", "2"}      << int(S::Renumbered) << "3";
        QTest::newRow("skips taken numbers")  << "2"   << true  << QStringList{"2", "3", "5"} << int(S::Renumbered) << "4";
        QTest::newRow("negative start")       << "-1"  << true  << QStringList{"-1", "0"}     << int(S::Renumbered) << "1";
        QTest::newRow("typed and taken")      << "2"   << false << QStringList{"1", "2"}      << int(S::Taken)      << "2";
        QTest::newRow("no plain number")      << "02"  << true  << QStringList{"02"}          << int(S::Taken)      << "02";
        QTest::newRow("no number after it")   << max   << true  << QStringList{max}           << int(S::Taken)      << max;
        // clang-format on
    }
    void savedNumberAgainstTheOthers() {
        QFETCH(QString, number);
        QFETCH(bool, proposed);
        QFETCH(QStringList, others);
        const ReceiptNumbering::Settled s =
            ReceiptNumbering::settle(number, proposed, QSet<QString>(others.begin(), others.end()));
        QTEST(int(s.kind), "kind");
        QTEST(s.number, "settled");
    }

    void startNumberAsTheDialogLeavesIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        // clang-format off
        QTest::newRow("leading zeros") << "00012" << "12";
        QTest::newRow("empty") << "" << "1";
        QTest::newRow("zero") << "0" << "0";
        QTest::newRow("half rounds up") << "2,5" << "3";
        QTest::newRow("below half") << "2,4" << "2";
        QTest::newRow("negative half rounds up") << "-2,5" << "-2";
        QTest::newRow("negative") << "-2,6" << "-3";
        QTest::newRow("no number") << "1a" << "1";
        // clang-format on
    }
    void startNumberAsTheDialogLeavesIt() {
        QFETCH(QString, typed);
        QTEST(ReceiptNumbering::normalisedStart(typed), "kept");
    }

    void payeeLinesAndStartNumberLiveInTheSettingsFile() {
        TempProgramFolder folder;
        QCOMPARE(ReceiptSettings::payeeLines(), ReceiptSettings::PayeeLines());
        QCOMPARE(ReceiptSettings::startNumber(), QString());

        ReceiptSettings::setPayeeLines({QStringLiteral(" A.S.D. Delfini "), QStringLiteral("Via Mare 3"),
                                        QString(), QStringLiteral("P.IVA 01234567890")},
                                       {});
        ReceiptSettings::setStartNumber(QStringLiteral(" 100 "));
        QCOMPARE(folder.read(ReceiptSettings::kFileName),
                 QByteArray("[Ricevente]\r\nRigo 1=A.S.D. Delfini\r\nRigo 2=Via Mare 3\r\n"
                            "Rigo 4=P.IVA 01234567890\r\n[Numerazione Ricevute]\r\nInizio=100\r\n"));
        QCOMPARE(ReceiptSettings::payeeLines()[0], QStringLiteral("A.S.D. Delfini"));
        QCOMPARE(ReceiptSettings::payeeLines()[3], QStringLiteral("P.IVA 01234567890"));
        QCOMPARE(ReceiptSettings::startNumber(), QStringLiteral("100"));
    }

    void settingsFileEditedByHand() {
        TempProgramFolder folder;
        // Broken lines, a missing section, names in another letter case, garbage as start number.
        folder.write(ReceiptSettings::kFileName,
                     "garbage line\r\n[ricevente]\r\nrigo 2 = Palestra Sole\r\n=orphan\r\n[Numerazione "
                     "Ricevute]\r\nInizio=dodici\r\n");
        const ReceiptSettings::PayeeLines lines = ReceiptSettings::payeeLines();
        QCOMPARE(lines[0], QString());
        QCOMPARE(lines[1], QStringLiteral("Palestra Sole"));
        QCOMPARE(ReceiptSettings::startNumber(), QStringLiteral("dodici"));
        QVERIFY(!ReceiptNumbering::proposed(ReceiptSettings::startNumber(), 0));
    }

    void unchangedPayeeLinesLeaveTheFileAlone() {
        TempProgramFolder folder;
        // Nothing typed and no file: closing writes nothing.
        ReceiptSettings::setPayeeLines({}, {});
        QVERIFY(!QFile::exists(folder.path(ReceiptSettings::kFileName)));
        const QByteArray byHand = "; scritto a mano\r\n[Ricevente]\r\nRigo 1=Delfini\r\n";
        folder.write(ReceiptSettings::kFileName, byHand);
        ReceiptSettings::setPayeeLines({QStringLiteral("Delfini")}, {});
        QCOMPARE(folder.read(ReceiptSettings::kFileName), byHand);
    }

    void unreadableSettingsReadEmptyAndRefuseWrites() {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(ReceiptSettings::kFileName)); // a folder where the file should be
        QCOMPARE(ReceiptSettings::payeeLines(), ReceiptSettings::PayeeLines());
        QCOMPARE(ReceiptSettings::startNumber(), QString());
        QVERIFY_THROWS_EXCEPTION(StorageError,
                                 ReceiptSettings::setPayeeLines({QStringLiteral("Squali")}, {}));
        QVERIFY_THROWS_EXCEPTION(StorageError, ReceiptSettings::setStartNumber(QStringLiteral("5")));
        QVERIFY(QFileInfo(folder.path(ReceiptSettings::kFileName)).isDir());
    }

    void listLineHasFixedColumns() {
        const QString line = RecordLine(kReceiptLine).of(ReceiptCodec::encode(receipt(QStringLiteral("12"))));
        QCOMPARE(line, QStringLiteral("Ric. n. 12            Data: 05/03/2024  Rossi Mario                 "
                                      "Sport: Nuoto                           Dal 01/03/2024  Al 31/03/2024"
                                      "  Tot. € 120,50"));
    }

    void exportListsEveryReceiptInArchiveOrder() {
        ReceiptFolder f;
        f.seed({receipt("1", "Rossi Mario", "Nuoto"), receipt("2", "Bianchi Anna", "Tennis"),
                receipt("3", "Verdi Luca", "Judo")});
        const GridRows rows = ReceiptExport::rows(f.path());
        QCOMPARE(rows.rowCount(), 3);
        QStringList second;
        for (int c = 0; c < rows.columnCount(); ++c)
            second << rows.text(1, c);
        QCOMPARE(second,
                 QStringList({"2", "05/03/2024", "Bianchi Anna", "RSSMRA80A01H501U", "Tennis", "01/03/2024",
                              "31/03/2024", "Rossi Luca", "Roma", "02/02/2015", "Via Roma 1", "120,50", ""}));
        const SpreadsheetExport& format = ReceiptExport::format();
        QCOMPARE(format.columns.size(), std::size_t(13));
        QCOMPARE(QString::fromUtf8(format.columns[10].header), QStringLiteral("Indirizzo di residenza"));
        QCOMPARE(QString::fromUtf8(format.columns[10].gridHeader), QStringLiteral("Indirizzo"));
        QCOMPARE(QString::fromUtf8(format.columns[11].header), QStringLiteral("Totale: €"));
        QCOMPARE(QString::fromUtf8(format.columns[12].header), QStringLiteral("Annullata"));
    }
};

ZANDORIO_TEST(ReceiptLogicTest)
#include "tst_receipt_logic.moc"
