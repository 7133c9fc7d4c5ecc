#include "FakePlatform.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "members/AttachmentFolder.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmAllegaCartella.h"
#include "storage/AtomicFile.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kOverwrite =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                   "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

const QString kCopyFailed = QStringLiteral(
    "Attenzione: il sistema non permette di copiare il file nella cartella dei documenti allegati.\n\r\n\r"
    "Accertarsi che il disco non sia pieno e di possedere i privilegi di scrittura nella cartella di "
    "installazione del programma.");

// A screen that opens the dialog, with the attachments of its record, read and written by the
// names of the cards' hidden labels ("lblFile01", "lblDesc03").
struct Opener : AttachmentSlots {
    Attachments attachments() const override { return held; }
    void setAttachments(const Attachments& attachments) override { held = attachments; }
    QString text(const char* label) const { return const_cast<Opener*>(this)->slot(label); }
    void setText(const char* label, const QString& text) { slot(label) = text; }

    QString& slot(const char* label) {
        Attachment& a = held[QByteArray(label).right(1).toInt() - 1];
        return QByteArray(label).startsWith("lblFile") ? a.file : a.description;
    }
    Attachments held;
};

// Files the user picks from elsewhere on the disk.
struct UserFiles {
    QString make(const QString& subfolder, const QString& name, const QByteArray& bytes) const {
        QDir(dir.path()).mkpath(subfolder);
        const QString path = dir.path() + u'/' + subfolder + u'/' + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

QLineEdit* field(const QWidget& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QLatin1String(name));
}
QPushButton* button(const QWidget& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class AttachmentsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void slotsTravelBetweenOpenerAndDialog_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("member card") << QStringLiteral("tiratori");
        QTest::newRow("training card") << QStringLiteral("allenamenti");
    }
    void slotsTravelBetweenOpenerAndDialog() {
        QFETCH(QString, key);
        FakePlatformScope fake;
        Opener opener;
        opener.setText("lblFile01", QStringLiteral("  documento.pdf "));
        opener.setText("lblDesc01", QStringLiteral(" Carta d'identità"));
        opener.setText("lblDesc03", QStringLiteral("Vecchia descrizione"));

        TfrmAllegaCartella dialog(&opener);
        dialog.setModeKey(key);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Allega file"));
        QCOMPARE(field(dialog, "txtFile01")->text(), QStringLiteral("documento.pdf"));
        QCOMPARE(field(dialog, "txtDesc01")->text(), QStringLiteral("Carta d'identità"));
        QVERIFY(field(dialog, "txtFile01")->isReadOnly());

        field(dialog, "txtDesc02")->setText(QStringLiteral("  Certificato medico  "));
        field(dialog, "txtDesc03")->clear();
        button(dialog, "btnApplica")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(opener.text("lblFile01"), QStringLiteral("documento.pdf"));
        QCOMPARE(opener.text("lblDesc01"), QStringLiteral("Carta d'identità"));
        QCOMPARE(opener.text("lblDesc02"), QStringLiteral("Certificato medico"));
        QCOMPARE(opener.text("lblDesc03"), QString());
    }

    void cancelKeepsTheCardAlthoughTheFileWasCopied() {
        TempProgramFolder folder;
        FakePlatformScope fake;
        UserFiles files;
        Opener opener;
        opener.setText("lblFile02", QStringLiteral("vecchio.pdf"));
        TfrmAllegaCartella dialog(&opener);
        dialog.setModeKey(QStringLiteral("tiratori"));

        fake->fileNames.enqueue(files.make("scansioni", "certificato.pdf", "PDF-1"));
        button(dialog, "btnSfoglia02")->click();
        QCOMPARE(field(dialog, "txtFile02")->text(), QStringLiteral("certificato.pdf"));
        QCOMPARE(folder.read("Documenti_Allegati/certificato.pdf"), QByteArray("PDF-1"));
        QVERIFY(fake->questions.isEmpty());

        button(dialog, "btnAnnulla")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(opener.text("lblFile02"), QStringLiteral("vecchio.pdf"));
    }

    void sameNameAsksBeforeReplacing() {
        TempProgramFolder folder;
        FakePlatformScope fake;
        UserFiles files;
        TfrmAllegaCartella dialog(nullptr);
        dialog.setModeKey(QStringLiteral("tiratori"));
        fake->fileNames.enqueue(files.make("rossi", "certificato.pdf", "ROSSI"));
        button(dialog, "btnSfoglia01")->click();

        fake->fileNames.enqueue(files.make("bianchi", "certificato.pdf", "BIANCHI"));
        fake->answers.enqueue(false);
        button(dialog, "btnSfoglia02")->click();
        QCOMPARE(fake->questions, QStringList{kOverwrite});
        QCOMPARE(field(dialog, "txtFile02")->text(), QStringLiteral("certificato.pdf"));
        QCOMPARE(folder.read("Documenti_Allegati/certificato.pdf"), QByteArray("ROSSI"));

        fake->fileNames.enqueue(files.dir.path() + QStringLiteral("/bianchi/certificato.pdf"));
        fake->answers.enqueue(true);
        button(dialog, "btnSfoglia03")->click();
        QCOMPARE(folder.read("Documenti_Allegati/certificato.pdf"), QByteArray("BIANCHI"));
    }

    // A copy that fails (source gone, disk full) keeps the file already attached under that name,
    // is reported, and leaves the slot as it was.
    void failedCopyKeepsTheAttachedFileAndTheSlot_data() {
        QTest::addColumn<bool>("sourceVanished");
        QTest::addColumn<int>("failAt"); // an AtomicFile::Step, or -1
        QTest::newRow("source vanished") << true << -1;
        QTest::newRow("disk full while writing") << false << int(AtomicFile::Step::Write);
        QTest::newRow("disk full at the last bytes") << false << int(AtomicFile::Step::Flush);
        QTest::newRow("rename refused") << false << int(AtomicFile::Step::Rename);
    }
    void failedCopyKeepsTheAttachedFileAndTheSlot() {
        QFETCH(bool, sourceVanished);
        QFETCH(int, failAt);
        TempProgramFolder folder;
        FakePlatformScope fake;
        UserFiles files;
        TfrmAllegaCartella dialog(nullptr);
        dialog.setModeKey(QStringLiteral("tiratori"));
        const QByteArray rossi(300000, 'R');
        fake->fileNames.enqueue(files.make("rossi", "certificato.pdf", rossi));
        button(dialog, "btnSfoglia01")->click();
        field(dialog, "txtFile02")->setText(QStringLiteral("vecchio.pdf"));

        const QString bianchi = files.make("bianchi", "certificato.pdf", QByteArray(200000, 'B'));
        if (sourceVanished)
            QFile::remove(bianchi);
        fake->fileNames.enqueue(bianchi);
        fake->answers.enqueue(true);
        {
            std::optional<AtomicFile::Fault> fault;
            if (failAt >= 0)
                fault.emplace(AtomicFile::Step(failAt));
            button(dialog, "btnSfoglia02")->click();
        }
        QCOMPARE(folder.read("Documenti_Allegati/certificato.pdf"), rossi);
        QCOMPARE(field(dialog, "txtFile02")->text(), QStringLiteral("vecchio.pdf"));
        QCOMPARE(fake->messages, (QList<FakePlatform::Shown>{{Platform::Box::Warning, kCopyFailed}}));
    }

    // A copy under a new name fails whole: no empty or partial file is left under the name.
    void failedNewCopyLeavesNoFile_data() {
        QTest::addColumn<bool>("sourceVanished");
        QTest::addColumn<int>("failAt"); // an AtomicFile::Step, or -1
        QTest::newRow("source vanished") << true << -1;
        QTest::newRow("disk full while writing") << false << int(AtomicFile::Step::Write);
        QTest::newRow("rename refused") << false << int(AtomicFile::Step::Rename);
    }
    void failedNewCopyLeavesNoFile() {
        QFETCH(bool, sourceVanished);
        QFETCH(int, failAt);
        TempProgramFolder folder;
        FakePlatformScope fake;
        UserFiles files;
        TfrmAllegaCartella dialog(nullptr);
        dialog.setModeKey(QStringLiteral("tiratori"));
        const QString source = files.make("doc", "referto.pdf", QByteArray(200000, 'R'));
        if (sourceVanished)
            QFile::remove(source);
        fake->fileNames.enqueue(source);
        {
            std::optional<AtomicFile::Fault> fault;
            if (failAt >= 0)
                fault.emplace(AtomicFile::Step(failAt));
            button(dialog, "btnSfoglia01")->click();
        }
        QCOMPARE(field(dialog, "txtFile01")->text(), QString());
        QCOMPARE(fake->messages, (QList<FakePlatform::Shown>{{Platform::Box::Warning, kCopyFailed}}));
        QCOMPARE(QDir(folder.path("Documenti_Allegati")).entryList(QDir::Files | QDir::Hidden),
                 QStringList());
    }

    // A name found taken when the copy claims it (by another workstation, or by a link planted in
    // the folder) is left alone: the copy goes under the next free name.
    void takenNamesAreNeverWrittenOver_data() {
        QTest::addColumn<bool>("link");
        QTest::newRow("file") << false;
        QTest::newRow("link to a missing file") << true;
    }
    void takenNamesAreNeverWrittenOver() {
        QFETCH(bool, link);
        TempProgramFolder folder;
        UserFiles files;
        QVERIFY(AttachmentFolder::create());
        const QString taken = folder.path("Documenti_Allegati/cert.pdf");
        const QString outside = folder.path("fuori.pdf");
        if (link)
            QVERIFY(QFile::link(outside, taken));
        else
            folder.write("Documenti_Allegati/cert.pdf", "ALTRO");
        folder.write("Documenti_Allegati/cert (2).pdf", "SECONDO");

        const QString source = files.make("doc", "cert.pdf", "NUOVO");
        QCOMPARE(AttachmentFolder::copyInNew(source, QStringLiteral("cert.pdf")),
                 QStringLiteral("cert (3).pdf"));
        QCOMPARE(folder.read("Documenti_Allegati/cert (3).pdf"), QByteArray("NUOVO"));
        QCOMPARE(folder.read("Documenti_Allegati/cert (2).pdf"), QByteArray("SECONDO"));
        if (link)
            QVERIFY(!QFile::exists(outside));
        else
            QCOMPARE(folder.read("Documenti_Allegati/cert.pdf"), QByteArray("ALTRO"));
    }

    // Two workstations attaching files of one name at the same moment each keep their own file.
    void twoProcessesAttachingOneNameStoreTwoFiles() {
        TempProgramFolder folder;
        UserFiles files;
        QVERIFY(AttachmentFolder::create());
        constexpr int kNames = 20;
        const QByteArray contents[2] = {"PRIMA", "SECONDA"};
        const QString sources[2] = {files.make("a", "cert.pdf", contents[0]),
                                    files.make("b", "cert.pdf", contents[1])};
        int start[2];
        QVERIFY(::pipe(start) == 0);
        pid_t children[2];
        for (int c = 0; c < 2; ++c) {
            children[c] = ::fork();
            if (children[c] == 0) {
                char go = 0;
                if (::read(start[0], &go, 1) != 1)
                    ::_exit(2);
                for (int i = 0; i < kNames; ++i)
                    if (AttachmentFolder::copyInNew(sources[c], QStringLiteral("cert%1.pdf").arg(i))
                            .isEmpty())
                        ::_exit(1);
                ::_exit(0);
            }
        }
        QCOMPARE(::write(start[1], "gg", 2), ssize_t(2)); // both start at once
        for (pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        ::close(start[0]);
        ::close(start[1]);
        for (int i = 0; i < kNames; ++i) {
            QList<QByteArray> stored = {
                folder.read(QStringLiteral("Documenti_Allegati/cert%1.pdf").arg(i)),
                folder.read(QStringLiteral("Documenti_Allegati/cert%1 (2).pdf").arg(i))};
            std::sort(stored.begin(), stored.end());
            QCOMPARE(stored, (QList<QByteArray>{contents[0], contents[1]}));
        }
        QCOMPARE(QDir(folder.path("Documenti_Allegati")).entryList(QDir::Files | QDir::Hidden).size(),
                 2 * kNames);
    }

    // The record keeps 250 Windows-1252 characters: the copy gets a name it can keep exactly.
    void copiesAreNamedAsTheRecordKeepsThem_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("copied");
        const auto u = [](const char* text) { return QString::fromUtf8(text); };
        QTest::newRow("plain") << u("certificato.pdf") << u("certificato.pdf");
        QTest::newRow("code page letters") << u("città € 2024.doc") << u("città € 2024.doc");
        QTest::newRow("Cyrillic") << u("документ.pdf") << u("________.pdf");
        QTest::newRow("emoji") << u("foto😀.jpg") << u("foto_.jpg");
        QTest::newRow("backslash and tab") << u("a\\b\tc.txt") << u("a_b_c.txt");
        QTest::newRow("blanks at the ends") << u("  referto.pdf ") << u("referto.pdf");
        QTest::newRow("too long") << QString(300, u'a') + u".pdf" << QString(246, u'a') + u".pdf";
        // Each "è" takes two bytes on the disk, whose names hold at most 255 bytes.
        QTest::newRow("too long on disk")
            << QString(200, QChar(0xE8)) + u".pdf" << QString(125, QChar(0xE8)) + u".pdf";
        QTest::newRow("dots only") << u(" ..") << u("_..");
    }
    void copiesAreNamedAsTheRecordKeepsThem() {
        QFETCH(QString, chosen);
        QFETCH(QString, copied);
        TempProgramFolder folder;
        QCOMPARE(AttachmentFolder::nameFor(chosen), copied);
    }

    // A Cyrillic name is copied under the name the record keeps, and opens again once the record
    // has been stored and read back; a second file whose name turns out the same gets its own.
    void convertedNamesOpenAfterReloadAndNeverReplaceAnotherFile() {
        TempProgramFolder folder;
        FakePlatformScope fake;
        UserFiles files;
        Opener opener;
        TfrmAllegaCartella dialog(&opener);
        dialog.setModeKey(QStringLiteral("tiratori"));
        fake->fileNames.enqueue(files.make("a", QString::fromUtf8("документ.pdf"), "PRIMO"));
        button(dialog, "btnSfoglia01")->click();
        fake->fileNames.enqueue(files.make("b", QString::fromUtf8("страница.pdf"), "SECONDO"));
        button(dialog, "btnSfoglia02")->click();
        QVERIFY(fake->questions.isEmpty());
        QCOMPARE(field(dialog, "txtFile01")->text(), QStringLiteral("________.pdf"));
        QCOMPARE(field(dialog, "txtFile02")->text(), QStringLiteral("________ (2).pdf"));
        QCOMPARE(folder.read("Documenti_Allegati/________.pdf"), QByteArray("PRIMO"));
        QCOMPARE(folder.read("Documenti_Allegati/________ (2).pdf"), QByteArray("SECONDO"));
        button(dialog, "btnApplica")->click();

        TSchedaIscritto member;
        member.File01 = opener.text("lblFile01");
        member.File02 = opener.text("lblFile02");
        const TSchedaIscritto reloaded = MemberCodec::decode(MemberCodec::encode(member));
        opener.setText("lblFile01", reloaded.File01);
        opener.setText("lblFile02", reloaded.File02);
        TfrmAllegaCartella again(&opener);
        again.setModeKey(QStringLiteral("tiratori"));
        button(again, "btnApri01")->click();
        button(again, "btnApri02")->click();
        QCOMPARE(fake->opened,
                 QStringList({u'"' + folder.path("Documenti_Allegati/________.pdf") + u'"',
                              u'"' + folder.path("Documenti_Allegati/________ (2).pdf") + u'"'}));
    }

    // A record from a shared archive may name a file outside the folder: it counts as missing.
    void namesLeadingOutOfTheFolderOpenNothing_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("parent folders") << "../../../../etc/hostname";
        QTest::newRow("parent folder") << "..";
        QTest::newRow("subfolder") << "sub/visibile.pdf";
        QTest::newRow("backslash") << "..\\visibile.pdf";
    }
    void namesLeadingOutOfTheFolderOpenNothing() {
        QFETCH(QString, stored);
        TempProgramFolder folder;
        FakePlatformScope fake;
        QDir().mkpath(folder.path("Documenti_Allegati/sub"));
        folder.write("Documenti_Allegati/sub/visibile.pdf", "x");
        folder.write("visibile.pdf", "x");
        Opener opener;
        opener.setText("lblFile01", stored);
        TfrmAllegaCartella dialog(&opener);
        dialog.setModeKey(QStringLiteral("tiratori"));
        button(dialog, "btnApri01")->click();
        QVERIFY(fake->opened.isEmpty());
        QVERIFY(!AttachmentFolder::holds(stored));
    }

    void cancelledChoiceChangesNothing() {
        TempProgramFolder folder;
        FakePlatformScope fake;
        TfrmAllegaCartella dialog(nullptr);
        field(dialog, "txtDesc01")->setText(QStringLiteral("Referto"));
        button(dialog, "btnSfoglia01")->click();
        QCOMPARE(field(dialog, "txtFile01")->text(), QString());
        QVERIFY(!QDir(folder.path("Documenti_Allegati")).exists());
    }

    void openAndRemove() {
        TempProgramFolder folder;
        FakePlatformScope fake;
        UserFiles files;
        TfrmAllegaCartella dialog(nullptr);
        dialog.setModeKey(QStringLiteral("tiratori"));
        QPushButton* apri = button(dialog, "btnApri01");
        QVERIFY(!apri->isEnabled());

        fake->fileNames.enqueue(files.make("doc", "referto medico.pdf", "PDF"));
        button(dialog, "btnSfoglia01")->click();
        field(dialog, "txtDesc01")->setText(QStringLiteral("Referto"));
        QVERIFY(apri->isEnabled());
        apri->click();
        QCOMPARE(fake->opened,
                 QStringList{u'"' + folder.path("Documenti_Allegati/referto medico.pdf") + u'"'});

        dialog.findChild<QToolButton*>(QStringLiteral("imgCancella01"))->click();
        QCOMPARE(field(dialog, "txtFile01")->text(), QString());
        QCOMPARE(field(dialog, "txtDesc01")->text(), QStringLiteral("Referto"));
        QVERIFY(!apri->isEnabled());
        QVERIFY(QFile::exists(folder.path("Documenti_Allegati/referto medico.pdf")));
    }

    void openingAMissingFileShowsNothing() {
        TempProgramFolder folder;
        FakePlatformScope fake;
        Opener opener;
        opener.setText("lblFile03", QStringLiteral("sparito.pdf"));
        TfrmAllegaCartella dialog(&opener);
        dialog.setModeKey(QStringLiteral("tiratori"));
        button(dialog, "btnApri03")->click();
        QVERIFY(fake->opened.isEmpty());
        QVERIFY(fake->messages.isEmpty());
    }
};

ZANDORIO_TEST(AttachmentsTest)
#include "tst_attachments.moc"
