#include "BackupFixture.h"
#include "FakePlatform.h"
#include "TestMain.h"
#include "backup/BackupFiles.h"
#include "backup/BackupName.h"
#include "backup/BackupSettings.h"

#include <QFile>
#include <QTest>

// Which files a backup holds, how backups are named and listed, and the settings that keep the
// automatic ones in check.
class BackupFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void filesAreRecognisedByName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("recordSize");
        QTest::newRow("members") << "Archivio_Iscritti.pro" << true << 3189;
        QTest::newRow("training") << "Schede_Allenamenti.pro" << true << 13175;
        QTest::newRow("register") << "2024.ing" << true << 1142;
        QTest::newRow("receipts") << "2024.ric" << true << 1099;
        QTest::newRow("companion of a year") << "2024_Extra.ric" << true << 0;
        QTest::newRow("companion") << "Archivio_Iscritti_Extra.pro" << true << 0;
        QTest::newRow("log") << "Promemoria.pro" << true << 0;
        QTest::newRow("settings") << "Ricevute_Generiche.ini" << true << 0;
        QTest::newRow("password") << "unins000.dll" << true << 0;
        QTest::newRow("logo") << "Logo.bmp" << true << 0;
        QTest::newRow("photo") << "Anagrafica/Scheda_Iscritto_12.jpg" << true << 0;
        QTest::newRow("attachment deeper") << "Documenti_Allegati/a/b.doc" << true << 0;
        QTest::newRow("export") << "Ricevute.xls" << false << 0;
        QTest::newRow("document") << "Scheda_Allenamento.rtf" << false << 0;
        QTest::newRow("temporary") << ".zandorio-12345678.tmp" << false << 0;
        QTest::newRow("temporary in a subfolder") << "Anagrafica/.zandorio-12345678.tmp" << false << 0;
        QTest::newRow("journal") << "Archivio_Iscritti.pro.journal" << false << 0;
        QTest::newRow("a backup") << "Backup/Zandorio_2024-01-01_1000.zip" << false << 0;
        QTest::newRow("year of five digits") << "20245.ing" << false << 0;
        QTest::newRow("other folder") << "Altro/Logo.bmp" << false << 0;
    }
    void filesAreRecognisedByName() {
        QFETCH(QString, name);
        QFETCH(bool, held);
        QFETCH(int, recordSize);
        const auto rule = BackupFiles::ruleOf(name);
        QCOMPARE(bool(rule), held);
        if (rule)
            QCOMPARE(rule->recordSize, recordSize);
    }

    void collectingTakesTheProgramFilesAndNoLinks() {
        BackupFolder folder;
        QVERIFY(QFile::link(folder.path("2024.ing"), folder.path("2023.ing")));
        QVERIFY(QFile::link(folder.path("Documenti_Allegati"), folder.path("Anagrafica/altro")));
        QCOMPARE(BackupFiles::collect(folder.path()), BackupFolder::expectedFiles());
    }

    void namesTellTheKindAndTheTime() {
        const QDateTime made(QDate(2024, 3, 5), QTime(9, 7));
        for (auto kind :
             {BackupName::Kind::Manual, BackupName::Kind::Automatic, BackupName::Kind::BeforeRestore}) {
            for (int copy : {1, 2}) {
                const QString name = BackupName::fileName(kind, made, copy);
                const auto parsed = BackupName::parse(name);
                QVERIFY2(parsed, qPrintable(name));
                QCOMPARE(parsed->kind, kind);
                QCOMPARE(parsed->made, made);
            }
        }
        QCOMPARE(BackupName::fileName(BackupName::Kind::Manual, made), "Zandorio_2024-03-05_0907.zip");
        QCOMPARE(BackupName::fileName(BackupName::Kind::BeforeRestore, made),
                 "Zandorio_2024-03-05_0907_prima_del_ripristino.zip");
        for (const char* other : {"Zandorio_2024-13-05_0907.zip", "Zandorio_2024-03-05.zip", "Copia.zip",
                                  "Zandorio_2024-03-05_0907_altro.zip", "Zandorio_2024-03-05_0907.zip.tmp"})
            QVERIFY2(!BackupName::parse(QString::fromLatin1(other)), other);
    }

    void listShowsBackupsNewestFirstAndFreeNamesNeverReplaceOne() {
        TempProgramFolder folder;
        const QDateTime made(QDate(2024, 3, 5), QTime(9, 7));
        folder.write("Zandorio_2024-03-04_1800.zip", "a");
        folder.write(BackupName::fileName(BackupName::Kind::Manual, made), "bb");
        folder.write("Zandorio_2024-03-05_1000_automatico.zip", "ccc");
        folder.write("Altro.zip", "x");
        const QString free = BackupName::freeName(folder.path(), BackupName::Kind::Manual, made);
        QCOMPARE(free, "Zandorio_2024-03-05_0907_2.zip");
        folder.write(free, "dddd");
        QStringList names;
        for (const auto& b : BackupName::list(folder.path()))
            names << b.fileName;
        QCOMPARE(names,
                 QStringList({"Zandorio_2024-03-05_1000_automatico.zip", "Zandorio_2024-03-05_0907_2.zip",
                              "Zandorio_2024-03-05_0907.zip", "Zandorio_2024-03-04_1800.zip"}));
        QCOMPARE(BackupName::list(folder.path()).first().size, 3);
    }

    void settingsDefaultAndRoundTrip() {
        TempProgramFolder folder;
        BackupSettings settings = BackupSettings::read();
        QVERIFY(settings.automatic);
        QCOMPARE(settings.keep, 10);
        QCOMPARE(settings.destination(), QDir::cleanPath(folder.path("Backup")));

        settings.folder = "/media/chiavetta";
        settings.automatic = false;
        settings.keep = 3;
        settings.write();
        const BackupSettings again = BackupSettings::read();
        QCOMPARE(again.destination(), "/media/chiavetta");
        QVERIFY(!again.automatic);
        QCOMPARE(again.keep, 3);

        // The default folder is kept as "the Backup subfolder": a copied program folder keeps its own.
        settings.folder = folder.path("Backup");
        settings.write();
        QVERIFY(!folder.read("Backup.ini").contains("Backup/"));
        QCOMPARE(BackupSettings::read().destination(), QDir::cleanPath(folder.path("Backup")));
    }

    void automaticBackupsAreMadeOnceADayAndOnlyTheyArePruned() {
        TempProgramFolder folder;
        BackupSettings settings;
        settings.keep = 2;
        QDir().mkpath(settings.destination());
        const QDir destination(settings.destination());
        const auto touch = [&](const QString& name) {
            QFile f(destination.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        };
        touch("Zandorio_2024-03-01_1000_automatico.zip");
        touch("Zandorio_2024-03-02_1000_automatico.zip");
        touch("Zandorio_2024-03-03_1000_automatico.zip");
        touch("Zandorio_2024-03-01_0900.zip");
        touch("Zandorio_2024-02-01_0900_prima_del_ripristino.zip");
        QVERIFY(settings.automaticDue(QDate(2024, 3, 4)));
        QVERIFY(!settings.automaticDue(QDate(2024, 3, 3)));
        settings.automatic = false;
        QVERIFY(!settings.automaticDue(QDate(2024, 3, 4)));

        QCOMPARE(settings.pruneAutomatic(), 1);
        QStringList left = destination.entryList(QDir::Files, QDir::Name);
        QCOMPARE(left, QStringList({"Zandorio_2024-02-01_0900_prima_del_ripristino.zip",
                                    "Zandorio_2024-03-01_0900.zip", "Zandorio_2024-03-02_1000_automatico.zip",
                                    "Zandorio_2024-03-03_1000_automatico.zip"}));
    }
};

ZANDORIO_TEST(BackupFilesTest)
#include "tst_backup_files.moc"
