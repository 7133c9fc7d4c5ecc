#include "FakePlatform.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/TfrmAvvio.h"
#include "entries/TfrmMenuIngressi.h"
#include "entries/TfrmStatIngressi.h"
#include "startup/Startup.h"

#include <QPushButton>
#include <QTest>

// How a user moves through the program: from the main menu into each module and back.
class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
};

ZANDORIO_TEST(StartupTest)
#include "tst_startup.moc"
