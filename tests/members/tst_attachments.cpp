#include "FakePlatform.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "members/TfrmAllegaCartella.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

const QString kOverwrite =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                   "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

// A screen that opens the dialog, with its six hidden attachment labels.
struct Opener {
    explicit Opener(const QString& name) {
        screen.setObjectName(name);
        for (const char* label :
             {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"}) {
            auto* l = new QLabel(&screen);
            l->setObjectName(QLatin1String(label));
            l->hide();
        }
    }
    QString text(const char* label) const { return screen.findChild<QLabel*>(QLatin1String(label))->text(); }
    void setText(const char* label, const QString& text) {
        screen.findChild<QLabel*>(QLatin1String(label))->setText(text);
    }
    QWidget screen;
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
        QTest::addColumn<QString>("screen");
        QTest::newRow("member card") << QStringLiteral("tiratori") << QStringLiteral("frmTiratori");
        QTest::newRow("training card") << QStringLiteral("allenamenti") << QStringLiteral("frmAllenamenti");
    }
    void slotsTravelBetweenOpenerAndDialog() {
        QFETCH(QString, key);
        QFETCH(QString, screen);
        FakePlatformScope fake;
        Opener opener(screen);
        opener.setText("lblFile01", QStringLiteral("  documento.pdf "));
        opener.setText("lblDesc01", QStringLiteral(" Carta d'identità"));
        opener.setText("lblDesc03", QStringLiteral("Vecchia descrizione"));

        TfrmAllegaCartella dialog;
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
        Opener opener(QStringLiteral("frmTiratori"));
        opener.setText("lblFile02", QStringLiteral("vecchio.pdf"));
        TfrmAllegaCartella dialog;
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
        TfrmAllegaCartella dialog;
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

    void vanishedSourceLeavesTheAttachedFileIntact() {
        TempProgramFolder folder;
        FakePlatformScope fake;
        UserFiles files;
        TfrmAllegaCartella dialog;
        dialog.setModeKey(QStringLiteral("tiratori"));
        fake->fileNames.enqueue(files.make("rossi", "certificato.pdf", "ROSSI"));
        button(dialog, "btnSfoglia01")->click();

        const QString vanished = files.make("bianchi", "certificato.pdf", "BIANCHI");
        QFile::remove(vanished);
        fake->fileNames.enqueue(vanished);
        fake->answers.enqueue(true);
        button(dialog, "btnSfoglia02")->click();
        QCOMPARE(folder.read("Documenti_Allegati/certificato.pdf"), QByteArray("ROSSI"));
        QCOMPARE(field(dialog, "txtFile02")->text(), QStringLiteral("certificato.pdf"));
        QVERIFY(fake->messages.isEmpty());
    }

    void cancelledChoiceChangesNothing() {
        TempProgramFolder folder;
        FakePlatformScope fake;
        TfrmAllegaCartella dialog;
        field(dialog, "txtDesc01")->setText(QStringLiteral("Referto"));
        button(dialog, "btnSfoglia01")->click();
        QCOMPARE(field(dialog, "txtFile01")->text(), QString());
        QVERIFY(!QDir(folder.path("Documenti_Allegati")).exists());
    }

    void openAndRemove() {
        TempProgramFolder folder;
        FakePlatformScope fake;
        UserFiles files;
        TfrmAllegaCartella dialog;
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
        Opener opener(QStringLiteral("frmTiratori"));
        opener.setText("lblFile03", QStringLiteral("sparito.pdf"));
        TfrmAllegaCartella dialog;
        dialog.setModeKey(QStringLiteral("tiratori"));
        button(dialog, "btnApri03")->click();
        QVERIFY(fake->opened.isEmpty());
        QVERIFY(fake->messages.isEmpty());
    }
};

ZANDORIO_TEST(AttachmentsTest)
#include "tst_attachments.moc"
