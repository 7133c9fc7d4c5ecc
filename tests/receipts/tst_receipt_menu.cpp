#include "ReceiptFixture.h"
#include "TestMain.h"
#include "receipts/ReceiptSettings.h"
#include "receipts/TfrmMenuRicevute.h"
#include "receipts/TfrmNumerazione.h"
#include "receipts/TfrmRicevuta.h"

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
    void apriOpensTheReceiptScreenOnTheYearsArchive() {
        ReceiptFolder f;
        TfrmRicevuta receipts;
        TfrmMenuRicevute menu;
        menu.setArchiveScreen(&receipts, [&receipts](const QString& year, const QString& path) {
            receipts.openYear(year, path);
        });
        f.fake->date = QDate(2025, 1, 10);
        menu.show();
        auto* year = menu.findChild<QLineEdit*>("txtAnnoPreventivi");
        QCOMPARE(year->text(), QStringLiteral("2025"));
        QCOMPARE(menu.modeKey(), QStringLiteral("avvio"));

        year->setText(QStringLiteral("202"));
        QTest::mouseClick(menu.findChild<QPushButton*>("btnApriPreventivi"), Qt::LeftButton);
        QCOMPARE(f.takeMessages(), (QList<FakePlatform::Shown>{
                                       {Box::Warning, QStringLiteral("Attenzione: indicare l'anno solare "
                                                                     "utilizzando quattro cifre.")}}));
        QVERIFY(menu.isVisible());

        year->setText(QStringLiteral("2024"));
        QTest::mouseClick(menu.findChild<QPushButton*>("btnApriPreventivi"), Qt::LeftButton);
        QVERIFY(!menu.isVisible());
        QVERIFY(receipts.isVisible());
        QCOMPARE(menu.modeKey(), QStringLiteral("ricevute"));
        QCOMPARE(receipts.windowTitle(), QStringLiteral(" Zandorio - Archivio ricevute anno 2024"));
        QCOMPARE(receipts.archivePath(), f.folder.path(QStringLiteral("2024.ric")));
        receipts.close();
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
