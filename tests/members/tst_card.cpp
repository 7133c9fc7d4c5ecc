#include "ArchiveFixture.h"
#include "NextModal.h"
#include "ScreenDriver.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "app/GeneralGuide.h"
#include "members/FeeText.h"
#include "members/MemberPhoto.h"
#include "members/PhotoFrame.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmTiratori.h"
#include "storage/AtomicFile.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

using Box = Platform::Box;

TSchedaIscritto member(const QString& name) {
    TSchedaIscritto r;
    r.CognomeNome = name;
    r.ScadenzaCertificato = QStringLiteral("01/01/2030");
    r.AttivitaSportiva = QStringLiteral("Nuoto");
    r.NumeroTessera = QStringLiteral("T-") + name;
    r.Quota = QStringLiteral("10,00");
    r.RilascioTessera = QStringLiteral("01/01/2024");
    r.ScadenzaTessera = QStringLiteral("31/12/2024");
    r.File01 = QStringLiteral("certificato.pdf");
    r.Desc01 = QStringLiteral("Certificato");
    return r;
}

// A member card on a fresh program folder, with scripted platform services.
struct CardFixture : ArchiveFixture<TSchedaIscritto>, ScreenDriver<TfrmTiratori> {
    CardFixture() : ArchiveFixture(QString::fromLatin1(TSchedaIscritto::FileName)) { show(); }

    void seed(std::initializer_list<const char*> names) const {
        QList<TSchedaIscritto> members;
        for (const char* n : names)
            members << member(QString::fromUtf8(n));
        ArchiveFixture::seed(members);
    }
    QLabel* label(const char* name) const { return find<QLabel>(name); }
    void fillMandatory() const {
        const TSchedaIscritto r = member(QStringLiteral("Rossi Mario"));
        field("txtTiratore")->setText(r.CognomeNome);
        field("txtStudio")->setText(r.ScadenzaCertificato);
        field("txtEnte")->setText(r.AttivitaSportiva);
        field("txtTessera")->setText(r.NumeroTessera);
        field("txtInizioTes")->setText(r.RilascioTessera);
        field("txtFineTes")->setText(r.ScadenzaTessera);
    }
};

const FakePlatform::Shown kEmptyArchive{Box::Information, ArchiveMessages::kEmpty};

} // namespace

class MemberCardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void feeFormatting_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("whole euro") << "12" << "12,00";
        QTest::newRow("one decimal") << "3,5" << "3,50";
        QTest::newRow("rounded half up") << "7,456" << "7,46";
        QTest::newRow("rounded down") << "7,454" << "7,45";
        QTest::newRow("empty") << "" << "0,00";
        QTest::newRow("blanks") << "  " << "0,00";
        QTest::newRow("two commas") << "1,2,3" << "0,00";
        QTest::newRow("letters") << "12a" << "0,00";
        QTest::newRow("trailing comma") << "5," << "5,00";
        QTest::newRow("no thousands separator") << "1234567,5" << "1234567,50";
        // clang-format on
    }
    void feeFormatting() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(FeeText::format(typed), shown);
    }

    void feeIsFormattedOnLeavingItsField() {
        CardFixture f;
        QLineEdit* quota = f.field("txtQuota");
        QCOMPARE(quota->text(), QStringLiteral("0,00"));
        quota->setFocus();
        quota->clear();
        QTest::keyClicks(quota, "12,5");
        f.field("txtTessera")->setFocus();
        QCOMPARE(quota->text(), QStringLiteral("12,50"));
    }

    void saveAppendsThenOverwrites() {
        CardFixture f;
        f.fillMandatory();
        // The fee being typed is formatted before the record is written.
        f.field("txtQuota")->setFocus();
        f.field("txtQuota")->setText(QStringLiteral("3,5"));
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(),
                 (QList<FakePlatform::Shown>{
                     {Box::Information, "La scheda corrente è stata inserita in archivio."}}));
        QCOMPARE(f.position(), QStringLiteral("1"));
        QCOMPARE(f.archive().size(), 1);
        QCOMPARE(f.archive()[0].Quota, QStringLiteral("3,50"));

        f.field("txtTiratore")->setText(QStringLiteral("Rossi Maria"));
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(), (QList<FakePlatform::Shown>{
                                       {Box::Information, "Le modifiche apportate alla scheda corrente sono "
                                                          "state salvate in archivio."}}));
        QCOMPARE(f.position(), QStringLiteral("1"));
        QCOMPARE(f.archive().size(), 1);
        QCOMPARE(f.archive()[0].CognomeNome, QStringLiteral("Rossi Maria"));
    }

    void saveStopsAtTheFirstMissingField_data() {
        QTest::addColumn<int>("filled");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("warning");
        const char* fields[] = {"txtTiratore", "txtStudio",    "txtEnte",   "txtTessera",
                                "txtQuota",    "txtInizioTes", "txtFineTes"};
        const char* missing[] = {
            "cognome e nome dell'iscritto",     "la data di scadenza del certificato medico",
            "l'attività sportiva praticata",    "il numero di tessera dell'iscritto",
            "la quota versata dall'iscritto",   "la data di rilascio della tessera",
            "la data di scadenza della tessera"};
        for (int i = 0; i < 7; ++i)
            QTest::addRow("%s", fields[i])
                << i << fields[i]
                << QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ") +
                       QString::fromUtf8(missing[i]) + QStringLiteral(".");
    }
    void saveStopsAtTheFirstMissingField() {
        QFETCH(int, filled);
        QFETCH(QString, focused);
        QFETCH(QString, warning);
        CardFixture f;
        const char* order[] = {"txtTiratore", "txtStudio",    "txtEnte",   "txtTessera",
                               "txtQuota",    "txtInizioTes", "txtFineTes"};
        for (int i = 0; i < 7; ++i)
            f.field(order[i])->setText(i < filled ? QStringLiteral("01/01/2030") : QStringLiteral("  "));
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(), (QList<FakePlatform::Shown>{{Box::Warning, warning}}));
        QCOMPARE(f.screen.focusWidget(), f.field(focused.toLatin1()));
        QVERIFY(f.position().isEmpty());
        QVERIFY(f.archive().isEmpty());
    }

    void browsingFollowsThePositionLabel() {
        CardFixture f;
        f.click("cmdPrimo");
        f.click("cmdUltimo");
        f.click("cmdAvanti");
        f.click("cmdIndietro");
        QCOMPARE(f.takeMessages(), QList<FakePlatform::Shown>(4, kEmptyArchive));

        f.seed({"Alfa", "Beta", "Gamma"});
        struct Step {
            const char* command;
            const char* position;
            const char* name;
        };
        const Step steps[] = {
            {"cmdAvanti", "1", "Alfa"},   // from an empty card
            {"cmdNuovo", "", ""},         //
            {"cmdIndietro", "1", "Alfa"}, // from an empty card too
            {"cmdIndietro", "1", "Alfa"}, // nothing before the first
            {"cmdUltimo", "3", "Gamma"},  //
            {"cmdAvanti", "3", "Gamma"},  // nothing after the last
            {"cmdIndietro", "2", "Beta"}, //
            {"cmdPrimo", "1", "Alfa"},    //
        };
        for (const Step& s : steps) {
            f.click(s.command);
            QCOMPARE(f.position(), QString::fromLatin1(s.position));
            QCOMPARE(f.field("txtTiratore")->text(), QString::fromLatin1(s.name));
        }
        QCOMPARE(f.label("lblFile01")->text(), QStringLiteral("certificato.pdf"));
        QVERIFY(f.takeMessages().isEmpty());
    }

    void nextOnAnEmptiedArchiveForgetsThePosition() {
        CardFixture f;
        f.seed({"Alfa"});
        f.click("cmdPrimo");
        f.folder.write(TSchedaIscritto::FileName, {});
        f.click("cmdAvanti");
        QCOMPARE(f.takeMessages(), QList<FakePlatform::Shown>{kEmptyArchive});
        QVERIFY(f.position().isEmpty());
    }

    void duplicateNeedsASavedCardAndAppendsACopy() {
        CardFixture f;
        f.click("cmdNuovo");
        f.click("cmdDuplica");
        QCOMPARE(f.takeMessages(),
                 (QList<FakePlatform::Shown>{{Box::Warning,
                                              "Attenzione: la duplicazione di una scheda può avvenire "
                                              "soltanto dopo che questa è stata inserita in archivio."}}));

        f.seed({"Alfa", "Beta", "Gamma"});
        f.click("cmdUltimo");
        f.click("cmdDuplica");
        QCOMPARE(f.takeMessages(),
                 (QList<FakePlatform::Shown>{
                     {Box::Information,
                      "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                      "Al termine premere Salva per inserire la scheda in archivio."}}));
        QVERIFY(f.position().isEmpty());
        QCOMPARE(f.field("txtTiratore")->text(), QStringLiteral("Gamma"));
        QVERIFY(f.label("lblFile01")->text().isEmpty());
        QCOMPARE(f.screen.focusWidget(), f.field("txtTiratore"));

        f.click("cmdSalva");
        QCOMPARE(f.position(), QStringLiteral("4"));
        const QList<TSchedaIscritto> all = f.archive();
        QCOMPARE(all.size(), 4);
        QCOMPARE(all[3].CognomeNome, QStringLiteral("Gamma"));
        QCOMPARE(all[3].NumeroTessera, all[2].NumeroTessera);
        QVERIFY(all[3].File01.isEmpty() && all[3].Desc01.isEmpty());
        QCOMPARE(all[2].File01, QStringLiteral("certificato.pdf"));
    }

    void unreachableArchiveLeavesTheCardAsItWas() {
        CardFixture f;
        QVERIFY(QDir(f.folder.path()).mkdir(TSchedaIscritto::FileName));
        f.fillMandatory();
        for (const char* command : {"cmdPrimo", "cmdAvanti", "cmdSalva"}) {
            f.click(command);
            QCOMPARE(f.takeMessages(), (QList<FakePlatform::Shown>{{Box::Error, ArchiveMessages::kFailure}}));
            QCOMPARE(f.field("txtTiratore")->text(), QStringLiteral("Rossi Mario"));
            QVERIFY(f.position().isEmpty());
        }
    }

    void showingTheCardClearsIt() {
        CardFixture f;
        f.seed({"Alfa"});
        f.click("cmdPrimo");
        f.screen.hide();
        f.screen.show();
        QVERIFY(f.position().isEmpty());
        QVERIFY(f.field("txtTiratore")->text().isEmpty());
        QVERIFY(f.label("lblFile01")->text().isEmpty());
        QCOMPARE(f.field("txtQuota")->text(), QStringLiteral("0,00"));
    }

    void checkButtonsOpenTheirDialogs_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("field");
        // clang-format off
        QTest::newRow("eleven digits") << " 01234567890 " << "frmPartitaIva" << "txtPartitaIva";
        QTest::newRow("fiscal code") << "RSSMRA80A01H501U" << "frmCodFisc" << "txtCodFisc";
        QTest::newRow("empty") << "" << "frmCodFisc" << "txtCodFisc";
        // clang-format on
    }
    void checkButtonsOpenTheirDialogs() {
        QFETCH(QString, code);
        QFETCH(QString, dialog);
        QFETCH(QString, field);
        CardFixture f;
        f.field("txtCodFisc")->setText(code);
        QString opened, shown;
        inspectNextModal([&](QWidget* modal) {
            opened = modal->objectName();
            shown = modal->findChild<QLineEdit*>(field)->text();
        });
        f.click("btnCodFisc");
        QCOMPARE(opened, dialog);
        QCOMPARE(shown, code.trimmed());
    }

    void bodyMassIndexStartsFromWeightAndHeight() {
        CardFixture f;
        f.field("txtGruppo")->setText(QStringLiteral("70"));
        f.field("txtProfessione")->setText(QStringLiteral("175"));
        QStringList shown;
        inspectNextModal([&](QWidget* modal) {
            shown << modal->findChild<QLineEdit*>("txtPeso")->text()
                  << modal->findChild<QLineEdit*>("txtStatura")->text();
        });
        f.click("btnIMC");
        QCOMPARE(shown, (QStringList{"70", "175"}));
    }

    void guideShowsTheMemberArchiveParagraphs() {
        CardFixture f;
        QString title, text;
        inspectNextModal([&](QWidget* modal) {
            title = modal->findChild<QLabel*>("lblTitolo")->text();
            text = modal->findChild<QPlainTextEdit*>("txtGuida")->toPlainText();
        });
        f.click("cmdGuida");
        QCOMPARE(title, QStringLiteral("App Archivio Iscritti"));
        QVERIFY(text.startsWith(QStringLiteral("L'app Archivio Iscritti è uno schedario")));
        // Paragraphs 2 to 13: the next one is the membership cards' own.
        QCOMPARE(text, GeneralGuide::text(2, 13).replace("\r\n", "\n"));
        QVERIFY(text.endsWith(QStringLiteral("esportato in un file di Excel.")));
    }

    void emailGoesToTheDefaultMailProgram() {
        CardFixture f;
        f.field("txtEmail")->setText(QStringLiteral(" mario@example.it "));
        f.click("btnEmail");
        QCOMPARE(f.fake->opened, QStringList{"mailto:mario@example.it"});
        QVERIFY(f.fake->messages.isEmpty());
    }

    // A record from a shared archive must not attach files or add hidden recipients.
    void emailWithSmuggledParametersIsRefused() {
        CardFixture f;
        f.field("txtEmail")->setText(QStringLiteral("x@y.it?attach=/etc/shadow&bcc=spy@evil.it"));
        f.click("btnEmail");
        QVERIFY(f.fake->opened.isEmpty());
        QCOMPARE(f.fake->messages,
                 (QList<FakePlatform::Shown>{
                     {Platform::Box::Warning,
                      QStringLiteral("Attenzione: l'indirizzo e-mail indicato non è valido.")}}));
        QCOMPARE(f.screen.focusWidget(), f.field("txtEmail"));
    }
};

ZANDORIO_TEST(MemberCardTest)

namespace {

QImage filled(QSize size, QColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

bool isRed(const QImage& picture) {
    const QColor c = picture.pixelColor(picture.width() / 2, picture.height() / 2);
    return c.red() > 240 && c.green() < 16 && c.blue() < 16;
}

} // namespace

// The card's photo and attachments.
class CardPhotoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void photoFollowsTheRecordOnTheCard() {
        CardFixture f;
        f.seed({"Alfa", "Beta"});
        QVERIFY(MemberPhoto::save(2, filled(QSize(300, 400), Qt::red)));
        auto* photo = f.screen.findChild<PhotoFrame*>("imgFoto");
        f.click("cmdPrimo");
        QCOMPARE(photo->image(), MemberPhoto::blank());
        f.click("cmdAvanti");
        QVERIFY(isRed(photo->image()));
        f.click("cmdNuovo");
        QCOMPARE(photo->image(), MemberPhoto::blank());
        f.screen.receiveMember(
            MemberCodec::decode(f.folder.read(TSchedaIscritto::FileName).mid(TSchedaIscritto::Size)), 2);
        QVERIFY(isRed(photo->image()));
    }

    void savingWritesThePhotoOfTheSavedPosition() {
        CardFixture f;
        f.seed({"1", "2", "3", "4", "5", "6", "7"});
        const QString bitmap = f.folder.path("ritratto.bmp");
        QVERIFY(filled(QSize(200, 260), Qt::red).save(bitmap, "BMP"));
        f.fake->fileNames.enqueue(bitmap);
        f.click("btnCaricaFoto");
        f.fillMandatory();
        f.click("cmdSalva");
        QCOMPARE(f.position(), QStringLiteral("8"));
        const QString file = f.folder.path("Anagrafica/Scheda_Iscritto_8.jpg");
        QCOMPARE(QImageReader(file).format(), QByteArray("jpeg"));
        QVERIFY(isRed(QImage(file)));

        // A removed photo is stored as the blank picture.
        f.click("btnCancFoto");
        f.click("cmdSalva");
        QCOMPARE(QImage(file).size(), MemberPhoto::blank().size());
        QVERIFY(!isRed(QImage(file)));
    }

    // The record is saved; the photo that could not be written stays on screen for the next save,
    // and the photo file already there stays as it was.
    void photoThatCannotBeSavedIsReportedAndKept() {
        CardFixture f;
        f.seed({"Alfa"});
        QVERIFY(MemberPhoto::save(1, filled(QSize(300, 400), Qt::green)));
        const QByteArray before = f.folder.read("Anagrafica/Scheda_Iscritto_1.jpg");
        f.click("cmdPrimo");
        f.screen.findChild<PhotoFrame*>("imgFoto")->setImage(filled(QSize(300, 400), Qt::red));
        f.takeMessages();
        {
            const AtomicFile::Fault fault(AtomicFile::Step::Flush);
            f.click("cmdSalva");
        }
        QVERIFY(isRed(f.screen.findChild<PhotoFrame*>("imgFoto")->image()));
        QCOMPARE(f.folder.read("Anagrafica/Scheda_Iscritto_1.jpg"), before);
        QCOMPARE(
            f.takeMessages(),
            (QList<FakePlatform::Shown>{
                {Box::Warning, "Attenzione: il sistema non permette di salvare la foto dell'iscritto.\n\r\n\r"
                               "Accertarsi che il disco non sia pieno e di possedere i privilegi di "
                               "scrittura nella cartella di installazione del programma."},
                {Box::Information, "Le modifiche apportate alla scheda corrente sono state salvate in "
                                   "archivio."}}));
    }

    void duplicateStartsWithoutPhotoAndAttachments() {
        CardFixture f;
        f.seed({"Alfa"});
        QVERIFY(MemberPhoto::save(1, filled(QSize(300, 400), Qt::red)));
        f.click("cmdPrimo");
        QCOMPARE(f.label("lblFile01")->text(), QStringLiteral("certificato.pdf"));
        f.click("cmdDuplica");
        QCOMPARE(f.screen.findChild<PhotoFrame*>("imgFoto")->image(), MemberPhoto::blank());
        QVERIFY(f.label("lblFile01")->text().isEmpty() && f.label("lblDesc01")->text().isEmpty());
        f.click("cmdSalva");
        QCOMPARE(f.position(), QStringLiteral("2"));
        QVERIFY(!isRed(MemberPhoto::load(2)));
        QVERIFY(isRed(MemberPhoto::load(1)));
    }

    void webcamPictureGoesIntoTheCard() {
        CardFixture f;
        inspectNextModal([](QWidget* webcam) {
            QCOMPARE(webcam->findChild<QLabel*>("lblMemory")->text(), QStringLiteral("euro_01"));
            webcam->findChild<QPushButton*>("btnAccendi")->click();
            FakeCamera::last->push(filled(QSize(640, 480), Qt::red));
            webcam->findChild<QPushButton*>("btnCattura")->click();
            webcam->findChild<QPushButton*>("btnImportaFoto")->click();
        });
        f.click("btnWebcam");
        QVERIFY(isRed(f.screen.findChild<PhotoFrame*>("imgFoto")->image()));
    }

    void zoomShowsTheCardsPhoto() {
        CardFixture f;
        f.screen.findChild<PhotoFrame*>("imgFoto")->setImage(filled(QSize(300, 400), Qt::red));
        bool shown = false;
        inspectNextModal(
            [&](QWidget* zoom) { shown = isRed(zoom->findChild<PhotoFrame*>("imgZoom")->image()); });
        f.click("btnZoomFoto");
        QVERIFY(shown);
    }

    void attachmentsDialogWorksOnTheCardsSlots() {
        CardFixture f;
        f.seed({"Alfa"});
        f.click("cmdPrimo");
        QString shownFile;
        inspectNextModal([&](QWidget* dialog) {
            QCOMPARE(dialog->findChild<QLabel*>("lblMemory")->text(), QStringLiteral("tiratori"));
            shownFile = dialog->findChild<QLineEdit*>("txtFile01")->text();
            dialog->findChild<QLineEdit*>("txtDesc02")->setText(QStringLiteral(" Referto "));
            dialog->findChild<QPushButton*>("btnApplica")->click();
        });
        f.click("cmdFile");
        QCOMPARE(shownFile, QStringLiteral("certificato.pdf"));
        QCOMPARE(f.label("lblDesc02")->text(), QStringLiteral("Referto"));
        f.click("cmdSalva");
        QCOMPARE(f.archive().at(0).Desc02, QStringLiteral("Referto"));
    }
};

ZANDORIO_TEST(CardPhotoTest)
#include "tst_card.moc"
