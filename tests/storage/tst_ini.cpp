#include "TempProgramFolder.h"
#include "TestMain.h"
#include "storage/IniFile.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {
// As another installation writes it: Windows-1252, CR LF, names with spaces, backslashes.
const QByteArray kFixture = "; impostazioni\r\n"
                            "[Numerazione Ricevute]\r\n"
                            "Numero=12\r\n"
                            "\r\n"
                            "[Beneficiario]\r\n"
                            "Rigo 1=Societ\xE0 Sportiva \x80 1\r\n"
                            "Logo=C:\\Dati\\Logo.bmp\r\n";
} // namespace

class IniTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsNamesWithoutRegardToCase() {
        TempProgramFolder folder;
        folder.write("s.ini", kFixture);
        const IniFile ini = IniFile::read(folder.path("s.ini"));
        QCOMPARE(ini.value("numerazione ricevute", "NUMERO"), QStringLiteral("12"));
        QCOMPARE(ini.value("Beneficiario", "rigo 1"), QString::fromUtf8("Società Sportiva € 1"));
        QCOMPARE(ini.value("Beneficiario", "Logo"), QStringLiteral("C:\\Dati\\Logo.bmp"));
        QCOMPARE(ini.value("Beneficiario", "Rigo 2", "none"), QStringLiteral("none"));
        QCOMPARE(ini.value("Altro", "Numero"), QString());
    }

    void writesBackKeepingEverythingElse() {
        TempProgramFolder folder;
        folder.write("s.ini", kFixture);
        IniFile ini = IniFile::read(folder.path("s.ini"));
        ini.setValue("NUMERAZIONE RICEVUTE", "numero", "13");
        ini.setValue("Numerazione Ricevute", "Anno", "2024");
        ini.setValue("Beneficiario", "Rigo 2", QString::fromUtf8("Via Verdi 1 – Città"));
        ini.setValue("Margini", "Sinistro", "5");
        ini.write();
        QCOMPARE(folder.read("s.ini"), QByteArray("; impostazioni\r\n"
                                                  "[Numerazione Ricevute]\r\n"
                                                  "numero=13\r\n"
                                                  "Anno=2024\r\n"
                                                  "\r\n"
                                                  "[Beneficiario]\r\n"
                                                  "Rigo 1=Societ\xE0 Sportiva \x80 1\r\n"
                                                  "Logo=C:\\Dati\\Logo.bmp\r\n"
                                                  "Rigo 2=Via Verdi 1 \x96 Citt\xE0\r\n"
                                                  "[Margini]\r\n"
                                                  "Sinistro=5\r\n"));
        QVERIFY(!QFile::exists(folder.path("s.ini.tmp")));
    }

    // A value with line breaks (pasted text) stays one line: it can neither cut its own line short
    // nor slip a section or a key of its own into the file.
    void lineBreaksInAValueCannotAddLines() {
        TempProgramFolder folder;
        folder.write("s.ini", kFixture);
        IniFile ini = IniFile::read(folder.path("s.ini"));
        ini.setValue("Beneficiario", "Rigo 2", "Via Roma 1\r\n[Margini]\nSinistro=99\r");
        ini.write();
        const IniFile back = IniFile::read(folder.path("s.ini"));
        QCOMPARE(back.value("Beneficiario", "Rigo 2"), QStringLiteral("Via Roma 1 [Margini] Sinistro=99"));
        QCOMPARE(back.value("Margini", "Sinistro", "none"), QStringLiteral("none"));
    }

    void missingFileReadsEmptyAndIsCreated() {
        TempProgramFolder folder;
        IniFile ini = IniFile::read(folder.path("new.ini"));
        QCOMPARE(ini.value("Accesso", "Valore"), QString());
        ini.setValue("Accesso", "Valore", "AB");
        ini.write();
        QCOMPARE(folder.read("new.ini"), QByteArray("[Accesso]\r\nValore=AB\r\n"));
    }

    void unwritableFolderFails() {
        TempProgramFolder folder;
        folder.write("dir", "x");
        IniFile ini = IniFile::read(folder.path("dir/s.ini"));
        ini.setValue("Accesso", "Valore", "AB");
        QVERIFY_THROWS_EXCEPTION(StorageError, ini.write());
    }

    // Two workstations each changing their own key at the same moment: every change is kept.
    void concurrentUpdatesFromTwoProcessesAreAllKept() {
        TempProgramFolder folder;
        folder.write("s.ini", kFixture);
        constexpr int kEach = 150;
        const QString keys[] = {"Uno", "Due"};
        pid_t children[2];
        for (int c = 0; c < 2; ++c) {
            children[c] = ::fork();
            if (children[c] == 0) {
                try {
                    for (int i = 0; i < kEach; ++i)
                        IniFile::update(folder.path("s.ini"), [&](IniFile& ini) {
                            ini.setValue("Contatori", keys[c],
                                         QString::number(ini.value("Contatori", keys[c], "0").toInt() + 1));
                        });
                } catch (...) {
                    ::_exit(1);
                }
                ::_exit(0);
            }
        }
        for (pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const IniFile ini = IniFile::read(folder.path("s.ini"));
        QCOMPARE(ini.value("Contatori", "Uno"), QString::number(kEach));
        QCOMPARE(ini.value("Contatori", "Due"), QString::number(kEach));
        QCOMPARE(ini.value("Numerazione Ricevute", "Numero"), QStringLiteral("12"));
    }

    void updateWritesOnlyWhenSomethingChanged() {
        TempProgramFolder folder;
        const QByteArray byHand = "[Numerazione Ricevute]\r\nnumero = 12\r\n";
        folder.write("s.ini", byHand);
        IniFile::update(folder.path("s.ini"),
                        [](IniFile& ini) { ini.setValue("Numerazione Ricevute", "Numero", "12"); });
        QCOMPARE(folder.read("s.ini"), byHand);
        IniFile::update(folder.path("new.ini"), [](IniFile&) {});
        QVERIFY(!QFile::exists(folder.path("new.ini")));
    }

    // A settings file grown huge (damaged, or planted on the share) or a link planted in its place
    // reads as unreadable at once; only a save replaces it, keeping nothing of it.
    void oversizedFileOrLinkIsUnreadableUntilSaved() {
        TempProgramFolder folder;
        QByteArray huge = kFixture;
        huge += QByteArray(IniFile::kMaxBytes + 1 - huge.size(), 'x');
        folder.write("huge.ini", huge);
        folder.write("limit.ini", huge.first(IniFile::kMaxBytes));
        QCOMPARE(IniFile::read(folder.path("limit.ini")).value("Numerazione Ricevute", "Numero"), "12");
        QDir(folder.path()).mkdir("other");
        folder.write("other/.bashrc", kFixture);
        QVERIFY(QFile::link(folder.path("other/.bashrc"), folder.path("link.ini")));
        for (const char* name : {"huge.ini", "link.ini"}) {
            QVERIFY_THROWS_EXCEPTION(StorageError, IniFile::read(folder.path(name)));
            IniFile::update(folder.path(name), [](IniFile& ini) { ini.setValue("Accesso", "Valore", "AB"); });
            QVERIFY(!QFileInfo(folder.path(name)).isSymLink());
            QCOMPARE(folder.read(name), QByteArray("[Accesso]\r\nValore=AB\r\n"));
        }
        QCOMPARE(folder.read("other/.bashrc"), kFixture);
    }

    void unreadableFileFails() {
        TempProgramFolder folder;
        QDir(folder.path()).mkdir("s.ini"); // a folder where the file should be
        QVERIFY_THROWS_EXCEPTION(StorageError, IniFile::read(folder.path("s.ini")));
        QVERIFY_THROWS_EXCEPTION(StorageError, IniFile::update(folder.path("s.ini"), [](IniFile& ini) {
                                     ini.setValue("Accesso", "Valore", "AB");
                                 }));
        QVERIFY(QFileInfo(folder.path("s.ini")).isDir());
    }
};

ZANDORIO_TEST(IniTest)
#include "tst_ini.moc"
