#include "BackupFixture.h"
#include "TestMain.h"
#include "backup/BackupRestore.h"
#include "backup/BackupWriter.h"
#include "storage/ArchiveFile.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QDateTime kMade(QDate(2024, 3, 5), QTime(10, 30));

// Every file under `folder` with its bytes: a restore that is refused must leave all of them.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        files.insert(QDir(folder).relativeFilePath(f.fileName()), f.readAll());
    }
    return files;
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

// The member at `position` of the archive in `bytes`.
QString memberName(const QByteArray& bytes, int position) {
    return MemberCodec::decode(
               QByteArrayView(bytes).sliced((position - 1) * TSchedaIscritto::Size, TSchedaIscritto::Size))
        .CognomeNome;
}

} // namespace

// A backup holds the program's files and is checked before it gets its name; a restore puts them
// back only after every check, with the current state saved first.
class BackupRestoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void backupHoldsTheProgramFilesAndPassesUnzipTest() {
        BackupFolder folder;
        QTemporaryDir destination;
        BackupControl control;
        const BackupOutcome outcome =
            BackupWriter::make(folder.path(), destination.path(), BackupName::Kind::Manual, kMade, &control);
        QVERIFY2(outcome.ok(), qPrintable(outcome.failure));
        QCOMPARE(outcome.path, QDir(destination.path()).filePath("Zandorio_2024-03-05_1030.zip"));
        QCOMPARE(filesIn(destination.path()), QStringList({"Zandorio_2024-03-05_1030.zip"}));
        QCOMPARE(control.permille.load(), 1000);

        const QMap<QString, QByteArray> entries = zipEntries(outcome.path);
        QCOMPARE(entries.keys(), BackupFolder::expectedFiles());
        for (const QString& name : entries.keys())
            QCOMPARE(entries[name], folder.read(name));

        QProcess unzip;
        unzip.start("unzip", {"-t", outcome.path});
        QVERIFY(unzip.waitForFinished(30000));
        QCOMPARE(unzip.exitCode(), 0);
        QVERIFY(unzip.readAllStandardOutput().contains("No errors detected"));
    }

    // Another workstation saving: the backup waits for its lock and holds the archive as it is
    // after the save, never half of it; a lock held too long makes the backup fail, not hang.
    void archivesAreCopiedUnderTheirLock_data() {
        QTest::addColumn<bool>("releasedSoon");
        QTest::newRow("saved meanwhile") << true;
        QTest::newRow("held") << false;
    }
    void archivesAreCopiedUnderTheirLock() {
        QFETCH(bool, releasedSoon);
        BackupFolder folder;
        QTemporaryDir destination;
        const QByteArray path = QFile::encodeName(folder.path("2024.ing"));
        int locked[2], done[2];
        QVERIFY(::pipe(locked) == 0 && ::pipe(done) == 0);
        const pid_t child = ::fork();
        if (child == 0) {
            const int fd = ::open(path.constData(), O_RDWR);
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            char c = ::fcntl(fd, F_SETLK, &lock) == 0 ? 'y' : 'n';
            const QByteArray record(1142, 'n');
            [[maybe_unused]] ssize_t n = ::pwrite(fd, record.constData(), 500, 3 * 1142);
            n = ::write(locked[1], &c, 1);
            if (releasedSoon) {
                ::usleep(300 * 1000);
                n = ::pwrite(fd, record.constData() + 500, 1142 - 500, 3 * 1142 + 500);
            } else {
                n = ::read(done[0], &c, 1);
            }
            ::_exit(0);
        }
        char c = 0;
        QCOMPARE(::read(locked[0], &c, 1), ssize_t(1));
        QCOMPARE(c, 'y');
        const BackupOutcome outcome =
            BackupWriter::make(folder.path(), destination.path(), BackupName::Kind::Manual, kMade);
        QCOMPARE(::write(done[1], "x", 1), ssize_t(1));
        int status = 0;
        ::waitpid(child, &status, 0);
        for (int fd : {locked[0], locked[1], done[0], done[1]})
            ::close(fd);
        if (releasedSoon) {
            QVERIFY2(outcome.ok(), qPrintable(outcome.failure));
            QCOMPARE(zipEntries(outcome.path)["2024.ing"], QByteArray(3 * 1142, 'e') + QByteArray(1142, 'n'));
        } else {
            QCOMPARE(outcome.failure, "L'archivio 2024.ing è occupato da un'altra postazione.");
            QCOMPARE(filesIn(destination.path()), QStringList());
        }
    }

    // A full disk is played by a file size limit: every write past it fails as a full disk's would.
    void failedOrCancelledBackupLeavesNoFileBehind() {
        BackupFolder folder;
        QByteArray photo(2 << 20, Qt::Uninitialized);
        for (qsizetype i = 0; i < photo.size(); ++i)
            photo[i] = char((i * 7919) % 251 ^ (i >> 9));
        folder.write("Anagrafica/Scheda_Iscritto_2.jpg", photo);
        QTemporaryDir destination;

        {
            const auto previous = std::signal(SIGXFSZ, SIG_IGN);
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            rlimit small = saved;
            small.rlim_cur = 512 * 1024;
            setrlimit(RLIMIT_FSIZE, &small);
            const BackupOutcome outcome =
                BackupWriter::make(folder.path(), destination.path(), BackupName::Kind::Manual, kMade);
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previous);
            QVERIFY(!outcome.ok());
            QVERIFY2(outcome.failure.startsWith("Scrittura non riuscita"), qPrintable(outcome.failure));
            QCOMPARE(filesIn(destination.path()), QStringList());
        }
        {
            BackupControl control;
            control.cancelled = true;
            const BackupOutcome outcome = BackupWriter::make(folder.path(), destination.path(),
                                                             BackupName::Kind::Manual, kMade, &control);
            QCOMPARE(outcome.failure, "Operazione annullata.");
            QCOMPARE(filesIn(destination.path()), QStringList());
        }
    }

    void verificationFindsADamagedEntry() {
        BackupFolder folder;
        QTemporaryDir destination;
        const BackupOutcome outcome =
            BackupWriter::make(folder.path(), destination.path(), BackupName::Kind::Manual, kMade);
        QVERIFY(outcome.ok());
        QByteArray bytes = [&] {
            QFile f(outcome.path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        // The stored photo's bytes: changing one keeps the zip's shape and breaks its checksum.
        const qsizetype at = bytes.indexOf("jpeg-bytes");
        QVERIFY(at > 0);
        bytes[at] = 'J';
        QFile f(outcome.path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QCOMPARE(BackupWriter::verify(outcome.path, BackupFolder::expectedFiles()),
                 "La verifica del backup scritto ha trovato un errore (Anagrafica/Scheda_Iscritto_1.jpg).");

        const QMap<QString, QByteArray> before = snapshot(folder.path());
        const BackupOutcome restored =
            BackupRestore::restore(outcome.path, folder.path(), destination.path(), kMade.addDays(1));
        QVERIFY(!restored.ok());
        QVERIFY(restored.path.isEmpty());
        QCOMPARE(snapshot(folder.path()), before);
        QCOMPARE(filesIn(destination.path()).size(), 1);
    }

    void restorePutsTheBackupBackAndKeepsTheStateBefore() {
        BackupFolder folder;
        const QString destination = folder.path("Backup");
        const BackupOutcome backup =
            BackupWriter::make(folder.path(), destination, BackupName::Kind::Manual, kMade);
        QVERIFY(backup.ok());
        const QByteArray original = folder.read("Archivio_Iscritti.pro");

        {
            ArchiveFile archive(folder.path("Archivio_Iscritti.pro"), TSchedaIscritto::Size);
            archive.open();
            archive.seek(2);
            archive.write(BackupFolder::member("Bianchi Anna Maria"));
        }
        folder.write("Logo.bmp", "BM-new-logo");
        folder.write("2025.ric", QByteArray(1099, 'n'));

        const auto contents = BackupRestore::inspect(backup.path).contents;
        QVERIFY(contents);
        QCOMPARE(contents->made, kMade);
        QCOMPARE(contents->members, 2);
        QCOMPARE(contents->entriesPerYear, (QMap<int, int>{{2024, 3}}));
        QCOMPARE(contents->receiptsPerYear, (QMap<int, int>{{2024, 2}}));
        QVERIFY(contents->summary().contains("Ingressi 2024: 3"));

        BackupControl control;
        const BackupOutcome restored =
            BackupRestore::restore(backup.path, folder.path(), destination, kMade.addSecs(3600), &control);
        QVERIFY2(restored.ok(), qPrintable(restored.failure));
        QCOMPARE(QFileInfo(restored.path).fileName(), "Zandorio_2024-03-05_1130_prima_del_ripristino.zip");

        QCOMPARE(folder.read("Archivio_Iscritti.pro"), original);
        QCOMPARE(memberName(folder.read("Archivio_Iscritti.pro"), 2), "Bianchi Anna");
        QCOMPARE(folder.read("Logo.bmp"), "BM-logo");
        // What the backup does not hold is left alone; the state before is in the safety backup.
        QCOMPARE(folder.read("2025.ric"), QByteArray(1099, 'n'));
        const QMap<QString, QByteArray> before = zipEntries(restored.path);
        QCOMPARE(memberName(before["Archivio_Iscritti.pro"], 2), "Bianchi Anna Maria");
        QCOMPARE(before["Logo.bmp"], "BM-new-logo");
        QVERIFY(before.contains("2025.ric"));
        QVERIFY(
            !QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden).join(' ').contains("ripristino"));
    }

    void zipsThatAreNotSoundBackupsAreRefusedAndChangeNothing_data() {
        using Entries = QList<std::pair<QString, QByteArray>>;
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<QString>("refusal");
        const QByteArray member = BackupFolder::member("Verdi Luca");
        QTest::newRow("leaves the folder") << Entries{{"Archivio_Iscritti.pro", member}, {"../../x", "x"}}
                                           << true << "Il file contiene un percorso non ammesso: ../../x";
        QTest::newRow("inside then out")
            << Entries{{"Anagrafica/../../x.jpg", "x"}} << true
            << "Il file contiene un percorso non ammesso: Anagrafica/../../x.jpg";
        QTest::newRow("absolute") << Entries{{"/tmp/Logo.bmp", "x"}} << true
                                  << "Il file contiene un percorso non ammesso: /tmp/Logo.bmp";
        QTest::newRow("drive") << Entries{{"C:/Logo.bmp", "x"}} << true
                               << "Il file contiene un percorso non ammesso: C:/Logo.bmp";
        QTest::newRow("link") << Entries{{"Logo.bmp", "->/etc/passwd"}} << true
                              << "Il file contiene un collegamento o un file speciale: Logo.bmp";
        QTest::newRow("not ours") << Entries{{"Archivio_Iscritti.pro", member}} << false
                                  << "Il file non è un backup di Zandorio.";
        QTest::newRow("foreign file") << Entries{{"Archivio_Iscritti.pro", member}, {"run.sh", "x"}} << true
                                      << "Il file contiene run.sh, che non è un file del programma.";
        QTest::newRow("cut record") << Entries{{"Archivio_Iscritti.pro", member + "abc"}} << true
                                    << "L'archivio Archivio_Iscritti.pro non è formato da schede intere.";
    }
    void zipsThatAreNotSoundBackupsAreRefusedAndChangeNothing() {
        using Entries = QList<std::pair<QString, QByteArray>>;
        QFETCH(Entries, entries);
        QFETCH(bool, marked);
        QFETCH(QString, refusal);
        BackupFolder folder;
        QTemporaryDir elsewhere;
        const QString zip = QDir(elsewhere.path()).filePath("Zandorio_2024-02-01_0915.zip");
        craftZip(zip, entries, marked);
        QCOMPARE(BackupRestore::inspect(zip).refusal, refusal);

        const QMap<QString, QByteArray> before = snapshot(folder.path());
        const BackupOutcome outcome =
            BackupRestore::restore(zip, folder.path(), folder.path("Backup"), kMade);
        QCOMPARE(outcome.failure, refusal);
        QVERIFY(outcome.path.isEmpty());
        QCOMPARE(snapshot(folder.path()), before);
        QVERIFY(!QFile::exists(QDir(elsewhere.path()).filePath("../x")));
    }
};

ZANDORIO_TEST(BackupRestoreTest)
#include "tst_backup_restore.moc"
