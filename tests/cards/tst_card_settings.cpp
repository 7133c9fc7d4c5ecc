#include "TempProgramFolder.h"
#include "TestMain.h"
#include "cards/CardFace.h"
#include "cards/CardSettings.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QTest>

namespace {

QStringList linesOf(const CardFace& face) {
    return {face.association, face.address, face.contacts, face.note};
}

const QStringList kPlaceholders{"Denominazione Associazione", "Indirizzo", "Recapiti", "Note"};

} // namespace

class CardSettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Whatever the file holds that is not a setting, the card starts from the defaults.
    void unusableFilesGiveTheDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        // clang-format off
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("garbage") << QByteArray("\x00\xFF\x1A[[[=\r\n==\n\x89PNG", 15);
        QTest::newRow("empty values") << QByteArray("[Associazione]\r\nDenominazione=\r\nNote=  \r\n"
                                                    "[Margini Stampa]\r\nSuperiore=\r\n");
        // clang-format on
    }
    void unusableFilesGiveTheDefaults() {
        QFETCH(QByteArray, content);
        TempProgramFolder folder;
        if (!content.isNull())
            folder.write(CardSettings::kFileName, content);
        CardFace face;
        CardSettings::readAssociation(face);
        QCOMPARE(linesOf(face), kPlaceholders);
        QCOMPARE(CardSettings::readPrint(), CardSettings::Print{});
    }

    void unreadableFileGivesTheDefaultsAndIsNeverReplaced() {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(CardSettings::kFileName));
        CardFace face;
        CardSettings::readAssociation(face);
        QCOMPARE(linesOf(face), kPlaceholders);
        QCOMPARE(CardSettings::readPrint(), CardSettings::Print{});
        QVERIFY_THROWS_EXCEPTION(StorageError, CardSettings::writeAssociation(face, face));
        QVERIFY_THROWS_EXCEPTION(StorageError, CardSettings::writePrint({}, {}));
        QVERIFY(QFileInfo(folder.path(CardSettings::kFileName)).isDir());
    }

    void associationIsStoredAsTheCardCanPrintIt() {
        TempProgramFolder folder;
        folder.write(CardSettings::kFileName,
                     "; scritto a mano\r\n[Stampa Tesserino]\r\nOrientamento=Orizzontale\r\n");
        CardFace face;
        face.association = QString::fromUtf8("  A.S.D. Società € Sport ★  ");
        face.address = QStringLiteral("Via Roma 1\r\nForlì");
        face.contacts = QString();
        face.note = QStringLiteral("C:\\tessere\\2024");
        CardSettings::writeAssociation(face, CardFace());
        QCOMPARE(folder.read(CardSettings::kFileName),
                 QByteArray("; scritto a mano\r\n"
                            "[Stampa Tesserino]\r\n"
                            "Orientamento=Orizzontale\r\n"
                            "[Associazione]\r\n"
                            "Denominazione=A.S.D. Societ\xE0 \x80 Sport ?\r\n"
                            "Indirizzo=Via Roma 1 Forl\xEC\r\n"
                            "Recapiti=\r\n"
                            "Note=C:\\tessere\\2024\r\n"));

        CardFace again;
        CardSettings::readAssociation(again);
        QCOMPARE(linesOf(again),
                 (QStringList{QString::fromUtf8("A.S.D. Società € Sport ?"),
                              QString::fromUtf8("Via Roma 1 Forlì"), "Recapiti", "C:\\tessere\\2024"}));
        QCOMPARE(CardSettings::readPrint().orientation, QPageLayout::Landscape);
    }

    void storableKeepsOneLineTheCodePageHolds_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        // clang-format off
        QTest::newRow("plain")       << "Palestra Olimpia" << "Palestra Olimpia";
        QTest::newRow("blanks")      << " \t Palestra \t " << "Palestra";
        QTest::newRow("line breaks") << "Via Roma 1\nForlì\r\n" << "Via Roma 1 Forlì";
        QTest::newRow("euro")        << "Quota 10 €" << "Quota 10 €";
        QTest::newRow("emoji")       << "Forza 💪" << "Forza ?";
        // clang-format on
    }
    void storableKeepsOneLineTheCodePageHolds() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(CardSettings::storable(typed), kept);
    }

    void marginsReadAsWholeMillimetres_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("margin");
        // clang-format off
        QTest::newRow("positive")     << QByteArray("4") << 4;
        QTest::newRow("negative")     << QByteArray("-3") << -3;
        QTest::newRow("blanks")       << QByteArray("  7 ") << 7;
        QTest::newRow("decimal")      << QByteArray("2,5") << 0;
        QTest::newRow("decimal dot")  << QByteArray("2.5") << 0;
        QTest::newRow("letters")      << QByteArray("dieci") << 0;
        QTest::newRow("beyond int")   << QByteArray("99999999999") << 0;
        // clang-format on
    }
    void marginsReadAsWholeMillimetres() {
        QFETCH(QByteArray, stored);
        QFETCH(int, margin);
        TempProgramFolder folder;
        folder.write(CardSettings::kFileName,
                     "[margini stampa]\r\nSuperiore=" + stored + "\r\nSINISTRO=" + stored + "\r\n");
        const CardSettings::Print print = CardSettings::readPrint();
        QCOMPARE(print.top, margin);
        QCOMPARE(print.left, margin);
    }

    void orientationIsLandscapeOnlyWhenSaidSo_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        // clang-format off
        QTest::newRow("landscape")       << QByteArray("Orizzontale") << QPageLayout::Landscape;
        QTest::newRow("with blanks")     << QByteArray("  Orizzontale ") << QPageLayout::Landscape;
        QTest::newRow("portrait")        << QByteArray("Verticale") << QPageLayout::Portrait;
        QTest::newRow("other case")      << QByteArray("ORIZZONTALE") << QPageLayout::Portrait;
        QTest::newRow("anything else")   << QByteArray("Landscape") << QPageLayout::Portrait;
        // clang-format on
    }
    void orientationIsLandscapeOnlyWhenSaidSo() {
        QFETCH(QByteArray, stored);
        QFETCH(QPageLayout::Orientation, orientation);
        TempProgramFolder folder;
        folder.write(CardSettings::kFileName, "[Stampa Tesserino]\r\nOrientamento=" + stored + "\r\n");
        QCOMPARE(CardSettings::readPrint().orientation, orientation);
    }

    void printSettingsJoinTheAssociationInOneFile() {
        TempProgramFolder folder;
        CardSettings::writePrint({}, {});
        QCOMPARE(folder.read(CardSettings::kFileName), QByteArray("[Margini Stampa]\r\n"
                                                                  "Superiore=0\r\n"
                                                                  "Sinistro=0\r\n"
                                                                  "[Stampa Tesserino]\r\n"
                                                                  "Orientamento=Verticale\r\n"));
        CardFace face;
        CardSettings::readAssociation(face);
        CardSettings::writeAssociation(face, face);
        const CardSettings::Print print{-3, 12, QPageLayout::Landscape};
        CardSettings::writePrint(print, {});
        QCOMPARE(CardSettings::readPrint(), print);
        QCOMPARE(folder.read(CardSettings::kFileName),
                 QByteArray("[Margini Stampa]\r\n"
                            "Superiore=-3\r\n"
                            "Sinistro=12\r\n"
                            "[Stampa Tesserino]\r\n"
                            "Orientamento=Orizzontale\r\n"
                            "[Associazione]\r\n"
                            "Denominazione=Denominazione Associazione\r\n"
                            "Indirizzo=Indirizzo\r\n"
                            "Recapiti=Recapiti\r\n"
                            "Note=Note\r\n"));
    }
};

ZANDORIO_TEST(CardSettingsTest)
#include "tst_card_settings.moc"
