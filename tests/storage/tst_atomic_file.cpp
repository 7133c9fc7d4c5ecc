#include "TempProgramFolder.h"
#include "TestMain.h"
#include "storage/AtomicFile.h"
#include "storage/IniFile.h"
#include "storage/SpreadsheetDocument.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(AtomicFile::Step)

namespace {

const QByteArray kOld = "[Accesso]\r\nValore=9C2B\r\n";

// What the folder holds besides `name`: a failed write must leave no temporary behind.
QStringList othersThan(const TempProgramFolder& folder, const QString& name) {
    QStringList entries = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    entries.removeAll(name);
    return entries;
}

constexpr SpreadsheetColumn kColumns[] = {{"Nome", 100}};
constexpr SpreadsheetExport kExport = {"Prova.xls", "Prova", kColumns};

} // namespace

class AtomicFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void replacesTheWholeFile() {
        TempProgramFolder folder;
        folder.write("a.ini", QByteArray(100000, 'x'));
        QVERIFY(AtomicFile::replace(folder.path("a.ini"), "short"));
        QCOMPARE(folder.read("a.ini"), QByteArray("short"));
        QVERIFY(AtomicFile::replace(folder.path("new.ini"), ""));
        QVERIFY(QFile::exists(folder.path("new.ini")));
        QCOMPARE(othersThan(folder, "a.ini"), QStringList{"new.ini"});
    }

    // A full disk can strike at any step; small files fail only when the last buffered bytes go
    // out, large ones already while being written.
    void aFailureKeepsTheOldFileByteForByte_data() {
        QTest::addColumn<AtomicFile::Step>("step");
        QTest::addColumn<int>("size");
        QTest::newRow("write") << AtomicFile::Step::Write << 20;
        QTest::newRow("write of a large file") << AtomicFile::Step::Write << 300000;
        QTest::newRow("flush") << AtomicFile::Step::Flush << 20;
        QTest::newRow("flush of a large file") << AtomicFile::Step::Flush << 300000;
        QTest::newRow("sync") << AtomicFile::Step::Sync << 20;
        QTest::newRow("rename") << AtomicFile::Step::Rename << 20;
    }
    void aFailureKeepsTheOldFileByteForByte() {
        QFETCH(AtomicFile::Step, step);
        QFETCH(int, size);
        TempProgramFolder folder;
        folder.write("a.ini", kOld);
        {
            const AtomicFile::Fault fault(step);
            QVERIFY(!AtomicFile::replace(folder.path("a.ini"), QByteArray(size, 'n')));
        }
        QCOMPARE(folder.read("a.ini"), kOld);
        QCOMPARE(othersThan(folder, "a.ini"), QStringList());
    }

    // A picture writer may ignore a failed write and carry on: the file still must not commit.
    void aFailedWriteStaysFailed() {
        TempProgramFolder folder;
        folder.write("a.jpg", kOld);
        AtomicFile file(folder.path("a.jpg"));
        QVERIFY(file.open());
        {
            const AtomicFile::Fault fault(AtomicFile::Step::Write);
            QCOMPARE(file.write("first"), -1);
        }
        QCOMPARE(file.write("second"), -1);
        QVERIFY(!file.commit());
        QCOMPARE(folder.read("a.jpg"), kOld);
    }

    void cancelledOrAbandonedWritesLeaveNothing() {
        TempProgramFolder folder;
        folder.write("a.ini", kOld);
        {
            AtomicFile file(folder.path("a.ini"));
            QVERIFY(file.open());
            file.write("new");
        }
        AtomicFile file(folder.path("a.ini"));
        QVERIFY(file.open());
        file.write("new");
        file.cancel();
        QVERIFY(!file.commit());
        QCOMPARE(folder.read("a.ini"), kOld);
        QCOMPARE(othersThan(folder, "a.ini"), QStringList());
    }

    void aFolderThatCannotHoldFilesFails() {
        TempProgramFolder folder;
        folder.write("dir", "x");
        QVERIFY(!AtomicFile::replace(folder.path("dir/a.ini"), "new"));
        QDir(folder.path()).mkdir("b.ini"); // a folder where the file should be
        QVERIFY(!AtomicFile::replace(folder.path("b.ini"), "new"));
        QVERIFY(QFileInfo(folder.path("b.ini")).isDir());
    }

    // A program folder shared by a group stays shared after every save.
    void keepsModeAndGroup() {
        TempProgramFolder folder;
        folder.write("a.ini", kOld);
        const QByteArray path = QFile::encodeName(folder.path("a.ini"));
        QCOMPARE(::chmod(path.constData(), 0640), 0);
        struct stat before {};
        ::stat(path.constData(), &before);
        gid_t group = before.st_gid;
        if (::geteuid() == 0 && ::chown(path.constData(), uid_t(-1), 4242) == 0)
            group = 4242; // only a privileged run can show a group other than the user's own
        QVERIFY(AtomicFile::replace(folder.path("a.ini"), "new"));
        struct stat after {};
        QCOMPARE(::stat(path.constData(), &after), 0);
        QCOMPARE(after.st_mode & 07777, 0640u);
        QCOMPARE(after.st_gid, group);
    }

    // Anyone using a shared folder may plant a link to another user's file under a name the
    // program writes: the link itself is replaced, whether its target may be written or not.
    void aPlantedLinkIsReplacedNeverWrittenThrough() {
        TempProgramFolder folder;
        QDir(folder.path()).mkdir("other");
        folder.write("other/.bashrc", kOld);
        const QByteArray target = QFile::encodeName(folder.path("other/.bashrc"));
        for (const mode_t mode : {0644, 0444}) {
            QCOMPARE(::chmod(target.constData(), mode), 0);
            QFile::remove(folder.path("Scheda_Allenamento.rtf"));
            QVERIFY(QFile::link(folder.path("other/.bashrc"), folder.path("Scheda_Allenamento.rtf")));
            QVERIFY(AtomicFile::replace(folder.path("Scheda_Allenamento.rtf"), "new"));
            QVERIFY(!QFileInfo(folder.path("Scheda_Allenamento.rtf")).isSymLink());
            QCOMPARE(folder.read("Scheda_Allenamento.rtf"), QByteArray("new"));
            QCOMPARE(folder.read("other/.bashrc"), kOld);
            struct stat st {};
            QCOMPARE(::stat(target.constData(), &st), 0);
            QCOMPARE(st.st_mode & 07777, mode);
        }
    }

    // Only temporaries go, and only once nobody can still be writing them.
    void staleTemporariesAreRemoved() {
        TempProgramFolder folder;
        struct Entry {
            const char* name;
            bool old;
            bool removed;
        };
        constexpr Entry kEntries[] = {
            {".zandorio-abcd1234.tmp", true, true},
            {"unins000.dll.Ab12Cd", true, true}, // left by an earlier version of the program
            {".zandorio-fresh123.tmp", false, false},
            {"unins000.dll.Fresh1", false, false},
            {".zandorio-note.tmp", true, false},
            {"unins000.dll", true, false},
            {"documento.pdf.Ab12Cd", true, false},
            {"documento.zandorio-abcd1234.tmp", true, false},
        };
        const QDateTime hoursAgo = QDateTime::currentDateTime().addSecs(-2 * 3600);
        for (const Entry& e : kEntries) {
            QFile file(folder.path(e.name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (e.old)
                QVERIFY(file.setFileTime(hoursAgo, QFileDevice::FileModificationTime));
        }
        QCOMPARE(AtomicFile::removeStaleTemporaries(folder.path(), {"unins000\\.dll", "Tesserini\\.ini"}), 2);
        for (const Entry& e : kEntries)
            QVERIFY2(QFile::exists(folder.path(e.name)) != e.removed, e.name);
    }

    // Every writer of settings and exports reports the failure and keeps the old file.
    void settingsAndExportWritersKeepTheOldFile() {
        TempProgramFolder folder;
        folder.write("a.ini", kOld);
        folder.write("Prova.xls", "old export");
        const AtomicFile::Fault fault(AtomicFile::Step::Flush);
        IniFile ini = IniFile::read(folder.path("a.ini"));
        ini.setValue("Accesso", "Valore", "00");
        QVERIFY_THROWS_EXCEPTION(StorageError, ini.write());
        QVERIFY_THROWS_EXCEPTION(StorageError,
                                 SpreadsheetDocument::write(folder.path("Prova.xls"), kExport, {{"Rossi"}}));
        QCOMPARE(folder.read("a.ini"), kOld);
        QCOMPARE(folder.read("Prova.xls"), QByteArray("old export"));
    }
};

ZANDORIO_TEST(AtomicFileTest)
#include "tst_atomic_file.moc"
