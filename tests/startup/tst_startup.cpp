#include "FakePlatform.h"
#include "NextModal.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmPassword.h"
#include "cards/TfrmTessera.h"
#include "entries/TfrmIngressi.h"
#include "entries/TfrmMenuIngressi.h"
#include "entries/TfrmStatIngressi.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmTiratori.h"
#include "receipts/TfrmMenuRicevute.h"
#include "receipts/TfrmMenuRiepCosti.h"
#include "reminders/TfrmScadenze.h"
#include "startup/Startup.h"
#include "storage/DateText.h"
#include "training/TfrmAllenamenti.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>

namespace {

// The program's windows of class `className`, or only those on screen.
QList<QWidget*> windows(const QString& className, bool shownOnly = false) {
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->metaObject()->className() == className && (!shownOnly || w->isVisible()))
            found << w;
    return found;
}

} // namespace

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
        startup.menu().show();
        QTest::mouseClick(startup.menu().findChild<QPushButton*>(tile), Qt::LeftButton);
        const QList<QWidget*> shown = windows(module, true);
        QCOMPARE(shown.size(), 1);
        QVERIFY(!startup.menu().isVisible());
        shown.front()->close();
        QVERIFY(startup.menu().isVisible());
    }

    // Only the password window exists before the user has got in; a screen is created when it is
    // first opened and the same one, as the user left it, comes back at every later visit.
    void screensAreCreatedWhenFirstOpenedAndKeptBetweenVisits() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        QVERIFY(QFile::copy(qEnvironmentVariable("SOURCE_DIR") + "/assets/unins000.dll",
                            folder.path("unins000.dll")));
        Startup startup;
        const QStringList screens{"TfrmAvvio",         "TfrmTiratori",     "TfrmTessera",
                                  "TfrmAllenamenti",   "TfrmMenuIngressi", "TfrmIngressi",
                                  "TfrmStatIngressi",  "TfrmMenuRicevute", "TfrmRicevuta",
                                  "TfrmMenuRiepCosti", "TfrmScadenze",     "TfrmAccesso"};
        for (const QString& screen : screens)
            QVERIFY2(windows(screen).isEmpty(), qPrintable(screen));

        startup.showPassword();
        startup.password().findChild<QLineEdit*>("txtPassword")->setText("pellicanoverde");
        QTest::mouseClick(startup.password().findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCOMPARE(windows("TfrmAvvio", true).size(), 1);
        for (const QString& screen : screens.mid(1))
            QVERIFY2(windows(screen).isEmpty(), qPrintable(screen));

        QWidget& menu = *windows("TfrmAvvio").front();
        QTest::mouseClick(menu.findChild<QPushButton*>("btnApp04"), Qt::LeftButton);
        const QList<QWidget*> first = windows("TfrmTiratori", true);
        QCOMPARE(first.size(), 1);
        first.front()->close();
        QTest::mouseClick(menu.findChild<QPushButton*>("btnApp04"), Qt::LeftButton);
        QCOMPARE(windows("TfrmTiratori", true), first);

        // The entries menu comes first; the register's screen only once a year is opened.
        first.front()->close();
        QTest::mouseClick(menu.findChild<QPushButton*>("btnApp07"), Qt::LeftButton);
        QCOMPARE(windows("TfrmMenuIngressi", true).size(), 1);
        QVERIFY(windows("TfrmIngressi").isEmpty());
        QVERIFY(windows("TfrmStatIngressi").isEmpty());
        QTest::mouseClick(startup.entriesMenu().findChild<QPushButton*>("btnApriFatture"), Qt::LeftButton);
        QCOMPARE(windows("TfrmIngressi", true).size(), 1);
        QCOMPARE(&startup.entries(), windows("TfrmIngressi").front());
        startup.entries().close();
        QVERIFY(menu.isVisible());
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

    // Cards expiring in 3 days, today and 10 days ago, and a certificate expired 20 days ago: the
    // bell counts the two due, the desk lists the three in its window, a WhatsApp reminder hands
    // over the filled text, and after a restart the line shows it and the bell counts one.
    void theBellCountsWhatIsDueUntilItIsReminded() {
        FakePlatformScope fake;
        const QDate today(2026, 5, 20);
        fake->date = today;
        TempProgramFolder folder;
        folder.write("unins000.dll", "[Accesso]\r\n");
        folder.write("Tesserini.ini", "[Associazione]\r\nDenominazione=A.S.D. Pellicano Verde\r\n");
        QByteArray members;
        const std::pair<int, int> expiries[] = {
            {3, 200}, {0, 200}, {-10, 200}, {200, -20}}; // card, certificate
        const char* names[] = {"Rossi Anna", "Bianchi Luca", "Verdi Sara", "Neri Marco"};
        for (int i = 0; i < 4; ++i) {
            TSchedaIscritto r;
            r.CognomeNome = names[i];
            r.TelCellulare = QStringLiteral("33300000%1").arg(i);
            r.ScadenzaTessera = DateText::format(today.addDays(expiries[i].first));
            r.ScadenzaCertificato = DateText::format(today.addDays(expiries[i].second));
            members += MemberCodec::encode(r);
        }
        folder.write("Archivio_Iscritti.pro", members);

        const auto grid = [](const Startup& s) {
            return s.reminders().findChild<QTableView*>("grdScadenze");
        };
        const auto cellText = [&](const Startup& s, int row, int column) {
            return grid(s)->model()->index(row, column + 1).data().toString();
        };
        {
            Startup startup;
            startup.menu().show();
            auto* count = startup.menu().findChild<QLabel*>("lblScadenze");
            QVERIFY(count->isVisible());
            QCOMPARE(count->text(), "2");
            QTest::mouseClick(startup.menu().findChild<QToolButton*>("imgScadenze"), Qt::LeftButton);
            QVERIFY(startup.reminders().isVisible());
            QVERIFY(!startup.menu().isVisible());
            QCOMPARE(startup.reminders().windowTitle(), " Zandorio - Scadenze");
            QCOMPARE(grid(startup)->model()->rowCount(), 3);
            QCOMPARE(cellText(startup, 0, 2), "Scaduta da 10 giorni");
            QCOMPARE(cellText(startup, 1, 2), "Scade oggi");
            QCOMPARE(cellText(startup, 2, 2), "Scade tra 3 giorni");
            QCOMPARE(cellText(startup, 1, 3), "Bianchi Luca");

            grid(startup)->setCurrentIndex(grid(startup)->model()->index(1, 1));
            QTest::mouseClick(startup.reminders().findChild<QToolButton*>("cmdWhatsApp"), Qt::LeftButton);
            QCOMPARE(fake->opened.size(), 1);
            const QUrl sent(fake->opened.first());
            QCOMPARE(sent.host(), "web.whatsapp.com");
            const QUrlQuery query(sent);
            QCOMPARE(query.queryItemValue("phone", QUrl::FullyDecoded), "333000001");
            QCOMPARE(
                query.queryItemValue("text", QUrl::FullyDecoded),
                "Gentile Bianchi Luca, le ricordiamo che la sua tessera di socio presso A.S.D. Pellicano "
                "Verde ha scadenza 20/05/2026. La aspettiamo in segreteria per il rinnovo. Cordiali saluti.");
            startup.reminders().close();
            QVERIFY(startup.menu().isVisible());
            QCOMPARE(count->text(), "1");
        }
        Startup again;
        again.menu().show();
        QCOMPARE(again.menu().findChild<QLabel*>("lblScadenze")->text(), "1");
        QTest::mouseClick(again.menu().findChild<QToolButton*>("imgScadenze"), Qt::LeftButton);
        QCOMPARE(cellText(again, 1, 6), "20/05/2026 10:30, WhatsApp");
        QCOMPARE(cellText(again, 0, 6), "");
    }
};

ZANDORIO_TEST(StartupTest)
#include "tst_startup.moc"
