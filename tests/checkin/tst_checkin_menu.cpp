#include "CheckInFixture.h"
#include "TestMain.h"
#include "app/TfrmAvvio.h"
#include "checkin/TfrmAccesso.h"
#include "entries/TfrmMenuIngressi.h"
#include "startup/Startup.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class CheckInMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void accessoRapidoOpensBesideApriAndClosesToTheMainMenu() {
        CheckInFixture f;
        Startup startup;
        startup.menu().show();
        QTest::mouseClick(startup.menu().findChild<QPushButton*>("btnApp07"), Qt::LeftButton);
        auto* open = startup.entriesMenu().findChild<QPushButton*>("btnAccessoRapido");
        QVERIFY(open && open->isEnabled());
        QCOMPARE(open->text(), QStringLiteral("Accesso rapido"));
        QTest::mouseClick(open, Qt::LeftButton);
        QVERIFY(startup.checkIn().isVisible());
        QVERIFY(!startup.entriesMenu().isVisible());
        QCOMPARE(startup.entriesMenu().modeKey(), QStringLiteral("accesso"));
        QCOMPARE(startup.checkIn().findChild<QWidget*>("lblAnno")->property("text").toString(),
                 QStringLiteral("Registro ingressi anno 2026"));

        startup.checkIn().close();
        QVERIFY(startup.menu().isVisible());
    }
};

ZANDORIO_TEST(CheckInMenuTest)
#include "tst_checkin_menu.moc"
