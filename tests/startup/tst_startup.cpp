#include "FakePlatform.h"
#include "NextModal.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/TfrmAvvio.h"
#include "cards/TfrmTessera.h"
#include "entries/TfrmMenuIngressi.h"
#include "entries/TfrmStatIngressi.h"
#include "members/TfrmTiratori.h"
#include "receipts/TfrmMenuRicevute.h"
#include "receipts/TfrmMenuRiepCosti.h"
#include "startup/Startup.h"
#include "training/TfrmAllenamenti.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// How a user moves through the program: from the main menu into each module and back.
class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachTileOpensItsModuleAndClosingItShowsTheMainMenu_data() {
        QTest::addColumn<QString>("tile");
        QTest::addColumn<QString>("module");
        QTest::newRow("members") << "btnApp04"
                                 << "TfrmTiratori";
        QTest::newRow("cards") << "btnApp02"
                               << "TfrmTessera";
        QTest::newRow("training") << "btnApp03"
                                  << "TfrmAllenamenti";
        QTest::newRow("entries") << "btnApp07"
                                 << "TfrmMenuIngressi";
        QTest::newRow("receipts") << "btnApp06"
                                  << "TfrmMenuRicevute";
        QTest::newRow("income summary") << "btnApp08"
                                        << "TfrmMenuRiepCosti";
    }
    void eachTileOpensItsModuleAndClosingItShowsTheMainMenu() {
        QFETCH(QString, tile);
        QFETCH(QString, module);
        FakePlatformScope fake;
        TempProgramFolder folder;
        Startup startup;
        const QList<QWidget*> modules{&startup.members(),      &startup.cards(),
                                      &startup.training(),     &startup.entriesMenu(),
                                      &startup.receiptsMenu(), &startup.incomeSummary()};
        startup.menu().show();
        QTest::mouseClick(startup.menu().findChild<QPushButton*>(tile), Qt::LeftButton);
        QWidget* opened = nullptr;
        for (QWidget* screen : modules)
            if (screen->isVisible())
                opened = screen;
        QVERIFY(opened);
        QCOMPARE(opened->metaObject()->className(), module);
        QVERIFY(!startup.menu().isVisible());
        opened->close();
        QVERIFY(startup.menu().isVisible());
    }

    void statisticsOpenFromTheEntriesMenuAndCloseToTheMainMenu() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        Startup startup;
        startup.menu().show();
        QTest::mouseClick(startup.menu().findChild<QPushButton*>("btnApp07"), Qt::LeftButton);
        QVERIFY(startup.entriesMenu().isVisible());

        auto* open = startup.entriesMenu().findChild<QPushButton*>("btnApriRiepStats");
        QVERIFY(open->isEnabled());
        QTest::mouseClick(open, Qt::LeftButton);
        QVERIFY(startup.statistics().isVisible());
        QVERIFY(!startup.entriesMenu().isVisible());

        startup.statistics().close();
        QVERIFY(startup.menu().isVisible());
        QVERIFY(!startup.statistics().isVisible());
    }

    void backupIconOpensTheBackupDialogAndClosingTheMenuMakesTheAutomaticBackup() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        folder.write("unins000.dll", "[Accesso]\r\n");
        Startup startup;
        startup.menu().show();
        auto* icon = startup.menu().findChild<QToolButton*>("imgBackup");
        QVERIFY(icon->isEnabled());
        QCOMPARE(icon->toolTip(), "Copia di sicurezza e ripristino dei dati.");
        QString opened;
        inspectNextModal([&](QWidget* modal) { opened = modal->objectName(); });
        QTest::mouseClick(icon, Qt::LeftButton);
        QCOMPARE(opened, "frmBackup");

        startup.menu().close();
        QCOMPARE(QDir(folder.path("Backup")).entryList({"*_automatico.zip"}),
                 QStringList({"Zandorio_2024-03-05_1030_automatico.zip"}));
    }
};

ZANDORIO_TEST(StartupTest)
#include "tst_startup.moc"
