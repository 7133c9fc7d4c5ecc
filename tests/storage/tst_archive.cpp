#include "TempProgramFolder.h"
#include "TestMain.h"
#include "storage/ArchiveFile.h"
#include "storage/ArchiveParts.h"
#include "storage/StorageError.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kSize = 3189;

QByteArray record(char fill) {
    return QByteArray(kSize, fill);
}

// A journal as an overwrite leaves it when killed after syncing it: header, record, checksum.
QByteArray journal(qint64 offset, const QByteArray& rec) {
    QByteArray bytes = "ZNDJRNL1" + QByteArray(12, '\0');
    qToLittleEndian<qint64>(offset, bytes.data() + 8);
    qToLittleEndian<qint32>(qint32(rec.size()), bytes.data() + 16);
    bytes += rec;
    return bytes + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// Whether every byte of `rec` is its first one: records written whole are.
bool whole(const QByteArray& rec) {
    return rec.count(rec.front()) == rec.size();
}

int waitExit(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class ArchiveTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingFileIsCreatedEmpty() {
        TempProgramFolder folder;
        ArchiveFile file(folder.path("a.pro"), kSize);
        file.open();
        QCOMPARE(file.count(), 0);
        QCOMPARE(file.position(), 1);
        QVERIFY(QFile::exists(folder.path("a.pro")));
        QVERIFY_THROWS_EXCEPTION(StorageError, file.read());
    }

    void appendOverwriteAndBrowse() {
        TempProgramFolder folder;
        ArchiveFile file(folder.path("a.pro"), kSize);
        file.open();
        QCOMPARE(file.append(record('a')), 1);
        QCOMPARE(file.append(record('b')), 2);
        file.seek(1);
        file.write(record('c'));
        QCOMPARE(file.position(), 2);
        file.seek(1);
        QCOMPARE(file.read(), record('c'));
        QCOMPARE(file.read(), record('b'));
        QCOMPARE(file.position(), 3);
        QVERIFY_THROWS_EXCEPTION(StorageError, file.seek(4));
        QVERIFY_THROWS_EXCEPTION(StorageError, file.seek(0));
        QVERIFY_THROWS_EXCEPTION(StorageError, file.write(QByteArray(10, 'x')));
        file.close();
        QCOMPARE(folder.read("a.pro").size(), 2 * kSize);
    }

    void partialLastRecordIsIgnoredAndOverwritten() {
        TempProgramFolder folder;
        folder.write("a.pro", record('a') + record('b') + QByteArray(100, 'z'));
        ArchiveFile file(folder.path("a.pro"), kSize);
        file.open();
        QCOMPARE(file.count(), 2);
        file.seek(3);
        QVERIFY_THROWS_EXCEPTION(StorageError, file.read());
        QCOMPARE(file.append(record('c')), 3);
        file.close();
        QCOMPARE(folder.read("a.pro"), record('a') + record('b') + record('c'));
    }

    void unopenableArchiveIsReportedNeverReplaced() {
        TempProgramFolder folder;
        QDir(folder.path()).mkdir("a.pro"); // exists, but cannot be opened for reading and writing
        ArchiveFile file(folder.path("a.pro"), kSize);
        QVERIFY_THROWS_EXCEPTION(StorageError, file.open());
        QVERIFY(QFileInfo(folder.path("a.pro")).isDir());

        folder.write("dir", "x"); // a program folder that cannot hold files
        ArchiveFile inFile(folder.path("dir/a.pro"), kSize);
        QVERIFY_THROWS_EXCEPTION(StorageError, inFile.open());
    }

    void scanReadsEveryRecordInOrderAcrossBlocks() {
        TempProgramFolder folder;
        QByteArray bytes;
        for (int i = 0; i < 700; ++i)
            bytes += record(char('A' + i % 26));
        folder.write("a.pro", bytes + "tail");
        int expected = 1;
        bool allWhole = true;
        ArchiveFile::scanFile(folder.path("a.pro"), kSize, [&](int position, QByteArrayView rec) {
            allWhole = allWhole && position == expected && rec == record(char('A' + (position - 1) % 26));
            ++expected;
        });
        QVERIFY(allWhole);
        QCOMPARE(expected, 701);
    }

    // A sync tool or backup restore may cut the file short while it is scanned: the scan ends at the
    // last whole record still there (or with the block read before the cut), with no crash and no
    // error.
    void scanSurvivesAFileCutShortBetweenBlocks_data() {
        const int perBlock = int(ArchiveFile::kScanBlockBytes / kSize);
        QTest::addColumn<qint64>("cutTo");
        QTest::addColumn<QList<int>>("visited");
        QTest::newRow("blocks further on")
            << qint64(2 * perBlock + 7) * kSize + 10 << QList{2 * perBlock + 7};
        QTest::newRow("to nothing") << qint64(0) << QList{perBlock};
    }
    void scanSurvivesAFileCutShortBetweenBlocks() {
        QFETCH(qint64, cutTo);
        QFETCH(QList<int>, visited);
        TempProgramFolder folder;
        QByteArray bytes;
        for (int i = 0; i < 4 * int(ArchiveFile::kScanBlockBytes / kSize); ++i)
            bytes += record(char('A' + i % 26));
        folder.write("a.pro", bytes);
        int last = 0;
        ArchiveFile::scanFile(folder.path("a.pro"), kSize, [&](int position, QByteArrayView) {
            if (position == 1)
                QFile::resize(folder.path("a.pro"), cutTo);
            last = position;
        });
        QVERIFY2(visited.contains(last), qPrintable(QString::number(last)));
    }

    // Whatever ends a scan early, an error in a visit included, the file can be scanned again at
    // once.
    void scanCanBeRepeatedAfterAVisitThrows() {
        TempProgramFolder folder;
        QByteArray bytes;
        for (int i = 0; i < 3 * int(ArchiveFile::kScanBlockBytes / kSize); ++i)
            bytes += record(char('A' + i % 26));
        folder.write("a.pro", bytes);
        QVERIFY_THROWS_EXCEPTION(StorageError, ArchiveFile::scanFile(folder.path("a.pro"), kSize,
                                                                     [](int position, QByteArrayView) {
                                                                         if (position == 2)
                                                                             throw StorageError("stop");
                                                                     }));
        int visited = 0;
        ArchiveFile::scanFile(folder.path("a.pro"), kSize, [&](int, QByteArrayView) { ++visited; });
        QCOMPARE(visited, bytes.size() / kSize);
    }

    // A hung workstation or a stale network lock must not freeze this one: after a bounded wait
    // the operation fails, and a lock released within the wait is taken.
    void lockHeldByAnotherProcess_data() {
        QTest::addColumn<bool>("releasedSoon");
        QTest::newRow("held") << false;
        QTest::newRow("released soon") << true;
    }
    void lockHeldByAnotherProcess() {
        QFETCH(bool, releasedSoon);
        TempProgramFolder folder;
        const QByteArray path = QFile::encodeName(folder.path("a.pro"));
        int locked[2], done[2];
        QVERIFY(::pipe(locked) == 0 && ::pipe(done) == 0);
        const pid_t child = ::fork();
        if (child == 0) {
            const int fd = ::open(path.constData(), O_RDWR | O_CREAT, 0666);
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            char c = ::fcntl(fd, F_SETLK, &lock) == 0 ? 'y' : 'n';
            [[maybe_unused]] ssize_t n = ::write(locked[1], &c, 1);
            if (releasedSoon)
                ::usleep(200 * 1000);
            else
                n = ::read(done[0], &c, 1);
            ::_exit(0);
        }
        char c = 0;
        QCOMPARE(::read(locked[0], &c, 1), ssize_t(1));
        QCOMPARE(c, 'y');
        ArchiveFile file(folder.path("a.pro"), kSize);
        if (releasedSoon) {
            file.open();
            QCOMPARE(file.append(record('a')), 1);
        } else {
            QVERIFY_THROWS_EXCEPTION(StorageError, file.open());
        }
        QCOMPARE(::write(done[1], "x", 1), ssize_t(1));
        int status = 0;
        ::waitpid(child, &status, 0);
        for (int fd : {locked[0], locked[1], done[0], done[1]})
            ::close(fd);
    }

    // Whoever opens the archive next finishes an overwrite a crash interrupted, or keeps the old
    // record when the journal itself was not complete; either way the journal goes.
    void journalLeftByACrash_data() {
        const QByteArray complete = journal(kSize, record('n'));
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<char>("second");
        QTest::newRow("complete") << complete << 'n';
        QTest::newRow("cut short") << complete.first(complete.size() - 1) << 'b';
        QTest::newRow("empty") << QByteArray() << 'b';
        QByteArray damaged = complete;
        damaged[100] = 'x';
        QTest::newRow("damaged") << damaged << 'b';
        QTest::newRow("beyond the end") << journal(5 * kSize, record('n')) << 'b';
        QTest::newRow("other record size") << journal(kSize, QByteArray(100, 'n')) << 'b';
    }
    void journalLeftByACrash() {
        QFETCH(QByteArray, left);
        QFETCH(char, second);
        for (const ArchiveFile::Access access : {ArchiveFile::Access::Read, ArchiveFile::Access::Write}) {
            TempProgramFolder folder;
            // The record in place half new, as the crash left it.
            folder.write("a.pro",
                         record('a') + record('b').first(kSize / 2) + record('n').first(kSize / 2 + 1));
            if (second == 'b')
                folder.write("a.pro", record('a') + record('b'));
            folder.write("a.pro.journal", left);
            ArchiveFile file(folder.path("a.pro"), kSize);
            file.open(access);
            file.seek(2);
            QCOMPARE(file.read(), record(second));
            QVERIFY(!QFile::exists(folder.path("a.pro.journal")));
            file.close();
            QCOMPARE(folder.read("a.pro"), record('a') + record(second));
        }
    }

    // A program killed at any moment of an overwrite leaves the record wholly old or wholly new.
    void overwriteKilledAtRandomIsNeverTorn() {
        constexpr int kSizeOfACard = 13175; // larger than a disk page
        constexpr int kKills = 200;
        TempProgramFolder folder;
        const QString path = folder.path("cards.pro");
        folder.write("cards.pro", QByteArray(3 * kSizeOfACard, 'a'));
        int torn = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            const pid_t child = ::fork();
            if (child == 0) {
                try {
                    ArchiveFile file(path, kSizeOfACard);
                    for (char fill = 'b';; fill = fill == 'z' ? 'b' : char(fill + 1)) {
                        file.open();
                        file.seek(2);
                        file.write(QByteArray(kSizeOfACard, fill));
                        file.close();
                    }
                } catch (...) {
                    ::_exit(1);
                }
            }
            ::usleep(useconds_t(QRandomGenerator::global()->bounded(1000, 6000)));
            ::kill(child, SIGKILL);
            QCOMPARE(waitExit(child), -1);
            ArchiveFile file(path, kSizeOfACard);
            file.open(ArchiveFile::Access::Read);
            QCOMPARE(file.count(), 3);
            file.seek(2);
            torn += !whole(file.read());
        }
        QCOMPARE(torn, 0);
    }

    // A full disk may take part of an appended record: the archive goes back to its old size, so
    // the next record appended is not shifted by the fragment.
    void failedAppendLeavesNoFragment() {
        TempProgramFolder folder;
        folder.write("a.pro", record('a'));
        const QString path = folder.path("a.pro");
        const pid_t child = ::fork();
        if (child == 0) {
            // The file may grow by less than a record, as on a disk that fills up meanwhile.
            ::signal(SIGXFSZ, SIG_IGN);
            const struct rlimit limit { rlim_t(kSize + kSize / 2), rlim_t(kSize + kSize / 2) };
            ::setrlimit(RLIMIT_FSIZE, &limit);
            try {
                ArchiveFile file(path, kSize);
                file.open();
                file.append(record('b'));
            } catch (const StorageError&) {
                ::_exit(0);
            }
            ::_exit(1);
        }
        QCOMPARE(waitExit(child), 0);
        QCOMPARE(folder.read("a.pro"), record('a'));
        ArchiveFile file(path, kSize);
        file.open();
        QCOMPARE(file.append(record('c')), 2);
        file.close();
        QCOMPARE(folder.read("a.pro"), record('a') + record('c'));
    }

    // A link planted in the shared folder under an archive's name is refused, its target untouched.
    void aPlantedLinkIsNeverWrittenThrough() {
        TempProgramFolder folder;
        QDir(folder.path()).mkdir("other");
        folder.write("other/.bashrc", "alias ls=ls");
        QVERIFY(QFile::link(folder.path("other/.bashrc"), folder.path("a.pro")));
        QVERIFY(QFile::link(folder.path("other/missing"), folder.path("b.pro")));
        for (const char* name : {"a.pro", "b.pro"}) {
            ArchiveFile file(folder.path(name), kSize);
            QVERIFY_THROWS_EXCEPTION(StorageError, file.open());
        }
        QCOMPARE(folder.read("other/.bashrc"), QByteArray("alias ls=ls"));
        QVERIFY(!QFile::exists(folder.path("other/missing")));
    }

    // A sparse or damaged file of terabytes gives an error, never a count gone negative.
    void archiveTooLargeToAddressFails() {
        TempProgramFolder folder;
        folder.write("a.pro", "");
        folder.write("b.pro", "");
        QVERIFY(QFile::resize(folder.path("a.pro"), qint64(std::numeric_limits<int>::max()) - 1));
        ArchiveFile file(folder.path("a.pro"), 1);
        file.open(ArchiveFile::Access::Read);
        QCOMPARE(file.count(), std::numeric_limits<int>::max() - 1);
        file.close();
        QVERIFY(QFile::resize(folder.path("a.pro"), qint64(std::numeric_limits<int>::max())));
        file.open(ArchiveFile::Access::Read);
        QVERIFY_THROWS_EXCEPTION(StorageError, file.count());
        QVERIFY_THROWS_EXCEPTION(StorageError, file.append("x"));
        QVERIFY(QFile::resize(folder.path("b.pro"), qint64(2500) * 1000 * 1000 * 1000));
        QVERIFY_THROWS_EXCEPTION(
            StorageError, ArchiveFile::scanFile(folder.path("b.pro"), 1099, [](int, QByteArrayView) {}));
    }

    // Two workstations appending at the same moment must never write onto the same position.
    void concurrentAppendsFromTwoProcesses() {
        TempProgramFolder folder;
        const QString path = folder.path("shared.pro");
        constexpr int kEach = 500;
        pid_t children[2];
        for (int c = 0; c < 2; ++c) {
            children[c] = ::fork();
            if (children[c] == 0) {
                try {
                    for (int i = 0; i < kEach; ++i) {
                        ArchiveFile file(path, kSize);
                        file.open();
                        file.append(record(char('1' + c)));
                    }
                } catch (...) {
                    ::_exit(1);
                }
                ::_exit(0);
            }
        }
        for (pid_t child : children)
            QCOMPARE(waitExit(child), 0);
        const QByteArray bytes = folder.read("shared.pro");
        QCOMPARE(bytes.size(), 2 * kEach * kSize);
        int ones = 0, twos = 0;
        for (int i = 0; i < 2 * kEach; ++i) {
            const QByteArray rec = bytes.mid(qsizetype(i) * kSize, kSize);
            QVERIFY2(rec == record('1') || rec == record('2'), "a record was torn");
            (rec[0] == '1' ? ones : twos)++;
        }
        QCOMPARE(ones, kEach);
        QCOMPARE(twos, kEach);
    }

    // The parts cover every record once, in archive order, however many there are; a failure
    // names the first failed part in archive order, every part before it done.
    void partsCoverTheArchiveInOrder() {
        for (const int count : {0, 3, 10, 100001}) {
            std::vector<std::pair<int, int>> ranges(ArchiveParts::kParts);
            const ArchiveParts::Outcome outcome =
                ArchiveParts::run(ArchiveParts::kParts, count, [&](int part, int first, int records) {
                    ranges[std::size_t(part)] = {first, records};
                });
            QVERIFY(!outcome.error);
            int next = 1;
            for (const auto& [first, records] : ranges) {
                QCOMPARE(first, next);
                QVERIFY(records >= 0);
                next += records;
            }
            QCOMPARE(next, count + 1);
        }

        std::vector<std::atomic<bool>> done(ArchiveParts::kParts);
        const ArchiveParts::Outcome outcome =
            ArchiveParts::run(ArchiveParts::kParts, 1000, [&](int part, int, int) {
                if (part == 1 || part == 2)
                    throw StorageError(std::to_string(part));
                done[std::size_t(part)] = true;
            });
        QCOMPARE(outcome.failed, 1);
        QVERIFY(done[0]);
        try {
            std::rethrow_exception(outcome.error);
        } catch (const StorageError& error) {
            QCOMPARE(QByteArray(error.what()), QByteArray("1"));
        }
    }

    // Work that keeps each thread's findings apart learns which thread does a part: both take
    // parts, each its own in archive order, and every part is done once.
    void eachWorkerTakesItsPartsInOrder() {
        constexpr int kParts = 64;
        std::mutex taking;
        std::vector<std::pair<int, int>> taken; // worker, part, in the order taken
        ArchiveParts::runAll(kParts, 64000, [&](int worker, int part, int, int) {
            {
                const std::lock_guard lock(taking);
                taken.emplace_back(worker, part);
            }
            // Long enough that the other thread starts and takes parts too.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        });
        QCOMPARE(taken.size(), std::size_t(kParts));
        std::vector<int> last(ArchiveParts::kWorkers, -1);
        std::vector<bool> done(kParts);
        for (const auto& [worker, part] : taken) {
            QVERIFY(worker >= 0 && worker < ArchiveParts::kWorkers);
            QVERIFY(part > last[std::size_t(worker)]);
            last[std::size_t(worker)] = part;
            QVERIFY(!done[std::size_t(part)]);
            done[std::size_t(part)] = true;
        }
        QVERIFY(std::ranges::none_of(last, [](int part) { return part < 0; }));

        QVERIFY_THROWS_EXCEPTION(StorageError,
                                 ArchiveParts::runAll(kParts, 64000, [](int, int part, int, int) {
                                     if (part == 5)
                                         throw StorageError("5");
                                 }));
    }
};

ZANDORIO_TEST(ArchiveTest)
#include "tst_archive.moc"
