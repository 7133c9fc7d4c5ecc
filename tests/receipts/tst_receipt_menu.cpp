#include "ReceiptFixture.h"
#include "TestMain.h"
#include "app/TfrmAvvio.h"
#include "receipts/ReceiptSettings.h"
#include "receipts/TfrmMenuRicevute.h"
#include "receipts/TfrmNumerazione.h"
#include "receipts/TfrmRicevuta.h"
#include "startup/Startup.h"

#include <QFile>
#include <QPushButton>

namespace {

using Box = Platform::Box;

// The numbering dialog in the receipt screen's mode, shown on a fresh program folder.
struct NumberingFixture : ReceiptFolder {
    explicit NumberingFixture(const QString& key = QStringLiteral("ricevute")) {
        dialog.setModeKey(key);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        (void)QTest::qWaitForWindowActive(&dialog);
    }
    QLineEdit* field() const { return dialog.findChild<QLineEdit*>("txtInizio"); }
    void click(const char* name) const {
        QTest::mouseClick(dialog.findChild<QPushButton*>(name), Qt::LeftButton);
    }

    TfrmNumerazione dialog;
};

} // namespace

class ReceiptMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // From the main menu's tile to a numbered receipt and back to the main menu.
    void tileMenuAndReceiptScreenAsTheProgramWiresThem() {
        ReceiptFolder f;
        f.fake->date = QDate(2024, 3, 5);
        Startup startup;
        startup.menu().show();
        auto* tile = startup.menu().findChild<QPushButton*>("btnApp06");
        QVERIFY(tile->isEnabled());
        QTest::mouseClick(tile, Qt::LeftButton);
        TfrmMenuRicevute& menu = startup.receiptsMenu();
        QVERIFY(menu.isVisible());
        QCOMPARE(menu.windowTitle(), QStringLiteral(" Zandorio - Stampa Ricevute"));
        auto* year = menu.findChild<QLineEdit*>("txtAnnoPreventivi");
        QCOMPARE(year->text(), QStringLiteral("2024"));
        QCOMPARE(menu.modeKey(), QStringLiteral("avvio"));

        // Three digits, and four characters set without typing that would name a file elsewhere.
        for (const char* wrong : {"202", "../x", " 202"}) {
            year->setText(QString::fromLatin1(wrong));
            QTest::mouseClick(menu.findChild<QPushButton*>("btnApriPreventivi"), Qt::LeftButton);
            QCOMPARE(f.fake->takeMessages(),
                     (QList<FakePlatform::Shown>{
                         {Box::Warning, QStringLiteral("Attenzione: indicare l'anno solare "
                                                       "utilizzando quattro cifre.")}}));
            QVERIFY(menu.isVisible());
        }
        QVERIFY(!QFile::exists(f.folder.path(QStringLiteral("../x.ric"))));
        QVERIFY(!startup.receipts().isVisible());

        year->setText(QStringLiteral("2023"));
        QTest::mouseClick(menu.findChild<QPushButton*>("btnApriPreventivi"), Qt::LeftButton);
        TfrmRicevuta& receipts = startup.receipts();
        QVERIFY(!menu.isVisible());
        QVERIFY(receipts.isVisible());
        QCOMPARE(menu.modeKey(), QStringLiteral("ricevute"));
        QCOMPARE(receipts.windowTitle(), QStringLiteral(" Zandorio - Archivio ricevute anno 2023"));
        QCOMPARE(receipts.archivePath(), f.folder.path(QStringLiteral("2023.ric")));

        inspectNextModal([](QWidget* numbering) {
            QCOMPARE(numbering->findChild<QLabel*>("lblMemory")->text(), QStringLiteral("ricevute"));
            numbering->findChild<QLineEdit*>("txtInizio")->setText(QStringLiteral("100"));
            QTest::mouseClick(numbering->findChild<QPushButton*>("btnApplica"), Qt::LeftButton);
        });
        QTest::mouseClick(receipts.findChild<QToolButton*>("cmdNumerazione"), Qt::LeftButton);
        QTest::mouseClick(receipts.findChild<QToolButton*>("cmdNuovo"), Qt::LeftButton);
        QCOMPARE(receipts.findChild<QLineEdit*>("txtNumRic")->text(), QStringLiteral("100"));
        QVERIFY(QFile::exists(f.folder.path(QStringLiteral("2023.ric"))));

        receipts.findChild<QLineEdit*>("txtRicevente01")->setText(QStringLiteral("A.S.D. Delfini"));
        QTest::mouseClick(receipts.findChild<QToolButton*>("cmdEsci"), Qt::LeftButton);
        QVERIFY(!receipts.isVisible());
        QVERIFY(!menu.isVisible());
        QVERIFY(startup.menu().isVisible());
        QCOMPARE(ReceiptSettings::payeeLines()[0], QStringLiteral("A.S.D. Delfini"));
    }

    void numberingShowsAndStoresTheStartNumber() {
        NumberingFixture f;
        QCOMPARE(f.dialog.windowTitle(), QStringLiteral(" Impostazione inizio numerazione ricevute"));
        QCOMPARE(f.field()->text(), QStringLiteral("1"));
        QCOMPARE(QApplication::focusWidget(), f.field());
        f.field()->setText(QStringLiteral("00012"));
        QTest::keyClick(f.field(), Qt::Key_Return); // on to "Applica e chiudi", leaving the field
        QCOMPARE(f.field()->text(), QStringLiteral("12"));
        f.click("btnApplica");
        QCOMPARE(ReceiptSettings::startNumber(), QStringLiteral("12"));
        QVERIFY(!f.dialog.isVisible());

        f.dialog.show();
        QCOMPARE(f.field()->text(), QStringLiteral("12"));
        f.field()->setText(QStringLiteral("300"));
        f.click("btnAnnulla");
        QCOMPARE(ReceiptSettings::startNumber(), QStringLiteral("12"));
    }

    void numberingOutsideTheReceiptsModeLeavesTheSettingsAlone() {
        NumberingFixture f(QStringLiteral("altro"));
        f.folder.write(ReceiptSettings::kFileName, "[Numerazione Ricevute]\r\nInizio=40\r\n");
        f.dialog.hide();
        f.dialog.show();
        QCOMPARE(f.field()->text(), QStringLiteral("1"));
        f.field()->setText(QStringLiteral("7"));
        f.click("btnApplica");
        QCOMPARE(ReceiptSettings::startNumber(), QStringLiteral("40"));
    }
};

ZANDORIO_TEST(ReceiptMenuTest)
#include "tst_receipt_menu.moc"
