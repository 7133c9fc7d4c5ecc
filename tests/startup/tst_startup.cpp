#include "FakePlatform.h"
#include "NextModal.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/TfrmAvvio.h"
#include "cards/TfrmTessera.h"
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

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>

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
