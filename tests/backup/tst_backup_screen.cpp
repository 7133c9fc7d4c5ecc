#include "BackupFixture.h"
#include "FakePlatform.h"
#include "TestMain.h"
#include "backup/TfrmBackup.h"
#include "storage/ArchiveFile.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList listed(const TfrmBackup& dialog) {
    const QAbstractItemModel* model = dialog.findChild<QTableView*>("grdBackup")->model();
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r)
        rows << model->index(r, 0).data(Qt::UserRole).toString();
    return rows;
}

void select(TfrmBackup& dialog, const QString& fileName) {
    auto* list = dialog.findChild<QTableView*>("grdBackup");
    const int row = int(listed(dialog).indexOf(fileName));
    QVERIFY2(row >= 0, qPrintable(fileName));
    list->selectRow(row);
}

void click(TfrmBackup& dialog, const char* button) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
}

QString memberAt(const QString& archive, int position) {
    ArchiveFile file(archive, TSchedaIscritto::Size);
    file.open(ArchiveFile::Access::Read);
    file.seek(position);
    return MemberCodec::decode(file.read()).CognomeNome;
}

} // namespace

// The backup dialog as a user works it: backup, the destination chosen and remembered, restore
// with its question and restart, a refused zip; and the automatic backup at closing.
class BackupScreenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void backupIsMadeAndListedInTheChosenFolder() {
        FakePlatformScope fake;
        BackupFolder folder;
        TfrmBackup dialog;
        QCOMPARE(listed(dialog), QStringList({"Zandorio_2024-01-01_1000.zip"}));

        click(dialog, "btnEsegui");
        QCOMPARE(fake->lastText(), "Backup completato: Zandorio_2024-03-05_1030.zip");
        QCOMPARE(listed(dialog),
                 QStringList({"Zandorio_2024-03-05_1030.zip", "Zandorio_2024-01-01_1000.zip"}));

        QTemporaryDir stick;
        fake->folders << stick.path();
        click(dialog, "btnScegli");
        QCOMPARE(dialog.findChild<QLineEdit*>("txtCartella")->text(), stick.path());
        QCOMPARE(listed(dialog), QStringList());
        click(dialog, "btnEsegui");
        QVERIFY(QFile::exists(QDir(stick.path()).filePath("Zandorio_2024-03-05_1030.zip")));

        TfrmBackup again;
        QCOMPARE(again.findChild<QLineEdit*>("txtCartella")->text(), stick.path());
        QCOMPARE(listed(again), QStringList({"Zandorio_2024-03-05_1030.zip"}));
    }

    void failedBackupSaysSo() {
        FakePlatformScope fake;
        BackupFolder folder;
        folder.write("Occupata", "a file where the folder should be");
        fake->folders << folder.path("Occupata");
        TfrmBackup dialog;
        click(dialog, "btnScegli");
        click(dialog, "btnEsegui");
        QCOMPARE(fake->messages.last().kind, Platform::Box::Warning);
        QVERIFY2(
            fake->lastText().startsWith("Attenzione: il backup non è stato completato.\r\n\r\nLa cartella di "
                                        "destinazione"),
            qPrintable(fake->lastText()));
    }

    void restoreBringsTheMemberBackAndRestarts() {
        FakePlatformScope fake;
        BackupFolder folder;
        const QString archive = folder.path("Archivio_Iscritti.pro");
        TfrmBackup dialog;
        click(dialog, "btnEsegui");
        {
            ArchiveFile file(archive, TSchedaIscritto::Size);
            file.open();
            file.seek(1);
            file.write(BackupFolder::member("Rossi Mario Cambiato"));
        }

        select(dialog, "Zandorio_2024-03-05_1030.zip");
        QVERIFY(dialog.findChild<QLabel*>("lblContenuto")
                    ->text()
                    .startsWith("Backup del 05/03/2024 10:30\nIscritti: 2\n"));
        fake->answers << true;
        click(dialog, "btnRipristina");
        QCOMPARE(fake->questions.last(),
                 "Ripristinare i dati del 05/03/2024 10:30? I dati attuali saranno salvati in un "
                 "backup prima del ripristino.");
        QCOMPARE(fake->restarts, 1);
        QCOMPARE(fake->messages.last().kind, Platform::Box::Information);
        QCOMPARE(memberAt(archive, 1), "Rossi Mario");
        const QMap<QString, QByteArray> before =
            zipEntries(folder.path("Backup/Zandorio_2024-03-05_1030_prima_del_ripristino.zip"));
        QCOMPARE(MemberCodec::decode(before["Archivio_Iscritti.pro"].left(TSchedaIscritto::Size)).CognomeNome,
                 "Rossi Mario Cambiato");
    }

    void declinedOrRefusedRestoreChangesNothing() {
        FakePlatformScope fake;
        BackupFolder folder;
        TfrmBackup dialog;
        click(dialog, "btnEsegui");
        craftZip(folder.path("Backup/Zandorio_2024-02-01_0915.zip"),
                 {{"Archivio_Iscritti.pro", BackupFolder::member("Intruso")}, {"../../x", "x"}});
        const QByteArray members = folder.read("Archivio_Iscritti.pro");
        click(dialog, "btnEsegui"); // refreshes the list with the planted zip

        select(dialog, "Zandorio_2024-03-05_1030.zip");
        fake->answers << false;
        click(dialog, "btnRipristina");
        QCOMPARE(fake->questions.size(), 1);

        select(dialog, "Zandorio_2024-02-01_0915.zip");
        QCOMPARE(dialog.findChild<QLabel*>("lblContenuto")->text(),
                 "Il file contiene un percorso non ammesso: ../../x");
        click(dialog, "btnRipristina");
        QCOMPARE(fake->questions.size(), 1);
        QCOMPARE(fake->lastText(),
                 "Attenzione: il backup scelto non può essere ripristinato; nessun dato è stato "
                 "cambiato.\r\n\r\nIl file contiene un percorso non ammesso: ../../x");
        QCOMPARE(fake->restarts, 0);
        QCOMPARE(folder.read("Archivio_Iscritti.pro"), members);
        QVERIFY(!QFile::exists(folder.path("../x")));
        QVERIFY(!QFile::exists(folder.path("Backup/Zandorio_2024-03-05_1030_prima_del_ripristino.zip")));
    }

    void automaticBackupAtClosingOncePerDayKeepingTheNewest() {
        FakePlatformScope fake;
        BackupFolder folder;
        folder.write("Backup.ini", "[Backup]\r\nDaConservare=2\r\n");
        folder.write("Backup/Zandorio_2024-03-01_1000_automatico.zip", "old");
        folder.write("Backup/Zandorio_2024-03-02_1000_automatico.zip", "old");

        TfrmBackup::backupAtExit();
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(!zipEntries(folder.path("Backup/Zandorio_2024-03-05_1030_automatico.zip")).isEmpty());
        QCOMPARE(QDir(folder.path("Backup")).entryList({"*_automatico.zip"}),
                 QStringList(
                     {"Zandorio_2024-03-02_1000_automatico.zip", "Zandorio_2024-03-05_1030_automatico.zip"}));

        fake->time = QTime(18, 0);
        TfrmBackup::backupAtExit();
        QCOMPARE(QDir(folder.path("Backup")).entryList({"*_automatico.zip"}).size(), 2);
        QVERIFY(!QFile::exists(folder.path("Backup/Zandorio_2024-03-05_1800_automatico.zip")));

        fake->date = fake->date.addDays(1);
        folder.write("Backup.ini", "[Backup]\r\nAutomatico=0\r\n");
        TfrmBackup::backupAtExit();
        QCOMPARE(QDir(folder.path("Backup")).entryList({"*_automatico.zip"}).size(), 2);
    }
};

ZANDORIO_TEST(BackupScreenTest)
#include "tst_backup_screen.moc"
