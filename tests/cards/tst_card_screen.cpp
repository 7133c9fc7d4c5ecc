#include "ArchiveFixture.h"
#include "NextModal.h"
#include "PdfTools.h"
#include "ScreenDriver.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "app/GeneralGuide.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmGuida.h"
#include "cards/CardLogo.h"
#include "cards/CardSettings.h"
#include "cards/TfrmDatiEnte.h"
#include "cards/TfrmTessera.h"
#include "members/MemberPhoto.h"
#include "members/PhotoFrame.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmTrovaTiratori.h"
#include "startup/Startup.h"
#include "storage/AtomicFile.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

using Box = Platform::Box;

TSchedaIscritto member(const QString& name, const QString& number) {
    TSchedaIscritto r;
    r.CognomeNome = name;
    r.AttivitaSportiva = QStringLiteral("Nuoto");
    r.NumeroTessera = number;
    r.RilascioTessera = QStringLiteral("01/01/2024");
    r.ScadenzaTessera = QStringLiteral("31/12/2024");
    return r;
}

QImage filled(QSize size, QColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

constexpr const char* kMemberLabels[] = {"txtTesserato", "txtCarica", "txtNumTessera", "txtDataRil",
                                         "txtDataScade"};
constexpr const char* kAssociationLabels[] = {"titAssociazione", "titSottotitolo01", "titSottotitolo02",
                                              "titAnnotazioni"};

// The card screen on a fresh program folder, with scripted platform services.
struct CardScreenFixture : ArchiveFixture<TSchedaIscritto>, ScreenDriver<TfrmTessera> {
    CardScreenFixture() : ArchiveFixture(QString::fromLatin1(TSchedaIscritto::FileName)) { show(); }

    QStringList texts(std::span<const char* const> names) const {
        QStringList all;
        for (const char* name : names)
            all << text(name);
        return all;
    }
    QImage picture(const char* name) const { return find<PhotoFrame>(name)->image(); }
    void clickCard(const char* name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
    QString picturePath(const char* name, const QImage& picture) const {
        const QString path = folder.path(QString::fromLatin1(name));
        picture.save(path);
        return path;
    }
};

} // namespace

class CardScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstRunShowsPlaceholdersAndClosingKeepsThem() {
        CardScreenFixture f;
        QCOMPARE(f.screen.windowTitle(), QStringLiteral(" Zandorio - Stampa Tessere"));
        QCOMPARE(f.text("panInfo"), QStringLiteral("Pronto per stampare una nuova tessera..."));
        QCOMPARE(f.texts(kAssociationLabels),
                 (QStringList{"Denominazione Associazione", "Indirizzo", "Recapiti", "Note"}));
        QCOMPARE(f.texts(kMemberLabels),
                 (QStringList{"Cognome e nome Iscritto", QString::fromUtf8("Attività sportiva"), "Tessera n.",
                              "GG/MM/AAAA", "GG/MM/AAAA"}));
        QCOMPARE(f.text("lblPosizione"), QString());
        QCOMPARE(f.picture("imgLogo"), CardLogo::builtIn());
        QCOMPARE(f.picture("imgFoto"), MemberPhoto::blank());

        f.screen.close();
        QVERIFY(f.fake->messages.isEmpty());
        QCOMPARE(f.folder.read(CardSettings::kFileName),
                 QByteArray("[Associazione]\r\n"
                            "Denominazione=Denominazione Associazione\r\n"
                            "Indirizzo=Indirizzo\r\n"
                            "Recapiti=Recapiti\r\n"
                            "Note=Note\r\n"));
        QCOMPARE(QImage(f.folder.path("Anagrafica/Logo.bmp")).size(), QSize(119, 118));
    }

    // A logo file that is there but cannot be read (locked on a shared folder, damaged) shows the
    // built-in logo and is left alone: only a logo the user changes is written.
    void unreadableLogoIsNeverReplaced() {
        CardScreenFixture f;
        f.screen.close();
        f.folder.write("Anagrafica/Logo.bmp", "BM bloccato");
        f.show();
        QCOMPARE(f.picture("imgLogo"), CardLogo::builtIn());
        inspectNextModal([](QWidget*) {});
        f.click("cmdAnteprima");
        f.screen.close();
        QCOMPARE(f.folder.read("Anagrafica/Logo.bmp"), QByteArray("BM bloccato"));
        QVERIFY(f.fake->messages.isEmpty());
    }

    void chosenLogoIsSavedSqueezedBeforePrinting() {
        CardScreenFixture f;
        f.screen.close();
        const QByteArray before = f.folder.read("Anagrafica/Logo.bmp");
        f.show();
        f.fake->fileNames.enqueue(f.picturePath("largo.jpg", filled(QSize(400, 100), Qt::red)));
        f.clickCard("imgLogo");
        QCOMPARE(f.picture("imgLogo").size(), QSize(400, 100));
        // Shown, not yet written.
        QCOMPARE(f.folder.read("Anagrafica/Logo.bmp"), before);

        QString dialog;
        inspectNextModal([&dialog](QWidget* modal) { dialog = modal->objectName(); });
        f.click("cmdStampa");
        QCOMPARE(dialog, QStringLiteral("frmStampaTessera"));
        const QImage stored(f.folder.path("Anagrafica/Logo.bmp"));
        QCOMPARE(stored.size(), QSize(119, 118));
        QVERIFY(QColor(stored.pixel(3, 3)).red() > 200);
        QCOMPARE(f.picture("imgLogo").size(), QSize(119, 118));
    }

    // A full disk: the settings file and the logo stay as they were, the user is told, and the
    // logo chosen stays on the card to be written at the next try.
    void closingOnAFullDiskKeepsTheOldFiles() {
        CardScreenFixture f;
        f.screen.close();
        const QByteArray settings = f.folder.read(CardSettings::kFileName);
        const QByteArray logo = f.folder.read("Anagrafica/Logo.bmp");
        f.show();
        inspectNextModal([](QWidget* modal) {
            modal->findChild<QLineEdit*>("txtAssociazione")->setText(QStringLiteral("Palestra Olimpia"));
            QTest::mouseClick(modal->findChild<QPushButton*>("btnApplica"), Qt::LeftButton);
        });
        f.clickCard("titAssociazione");
        const QImage chosen = filled(QSize(60, 60), Qt::blue);
        f.fake->fileNames.enqueue(f.picturePath("blu.png", chosen));
        f.clickCard("imgLogo");
        {
            AtomicFile::Fault fullDisk(AtomicFile::Step::Flush);
            f.screen.close();
        }
        QCOMPARE(
            f.fake->messages,
            (QList<FakePlatform::Shown>{
                {Box::Warning,
                 QString::fromUtf8("Attenzione: i dati dell'associazione non sono stati salvati."
                                   "\n\r\n\rAccertarsi di possedere i privilegi di scrittura "
                                   "nella cartella di installazione del programma.")},
                {Box::Warning, QString::fromUtf8("Attenzione: il logo dell'associazione non è stato salvato."
                                                 "\n\r\n\rAccertarsi di possedere i privilegi di scrittura "
                                                 "nella cartella di installazione del programma.")}}));
        QCOMPARE(f.folder.read(CardSettings::kFileName), settings);
        QCOMPARE(f.folder.read("Anagrafica/Logo.bmp"), logo);
        QCOMPARE(f.picture("imgLogo"), chosen);

        // The next save writes the logo still waiting.
        inspectNextModal([](QWidget*) {});
        f.click("cmdAnteprima");
        QCOMPARE(QColor(QImage(f.folder.path("Anagrafica/Logo.bmp")).pixel(60, 60)), QColor(Qt::blue));
    }

    void logoIsChosenByMouseOrKeyboard() {
        CardScreenFixture f;
        f.fake->fileNames.enqueue(f.picturePath("blu.png", filled(QSize(30, 40), Qt::blue)));
        QWidget* logo = f.control("imgLogo");
        logo->setFocus();
        QTest::keyClick(logo, Qt::Key_Space);
        QCOMPARE(f.picture("imgLogo").size(), QSize(30, 40));
        // A file that is no picture shows the built-in logo.
        f.folder.write("rotto.jpg", "\xFF\xD8\xFF nient'altro");
        f.fake->fileNames.enqueue(f.folder.path("rotto.jpg"));
        f.clickCard("imgLogo");
        QCOMPARE(f.picture("imgLogo"), CardLogo::builtIn());
        // A cancelled choice changes nothing.
        QVERIFY(f.fake->fileNames.isEmpty());
        f.clickCard("imgLogo");
        QCOMPARE(f.picture("imgLogo"), CardLogo::builtIn());
    }

    void deletingTheLogoAndThePhoto() {
        CardScreenFixture f;
        f.seed({member("Rossi Mario", "A-1")});
        QVERIFY(MemberPhoto::save(1, filled(QSize(90, 120), Qt::red)));
        const QByteArray photoFile = f.folder.read("Anagrafica/Scheda_Iscritto_1.jpg");
        f.click("cmdPrimo");
        QVERIFY(f.picture("imgFoto") != MemberPhoto::blank());

        f.click("btnCancFoto");
        f.click("btnCancLogo");
        QCOMPARE(f.picture("imgFoto"), CardLogo::dot());
        QCOMPARE(f.picture("imgLogo"), CardLogo::dot());
        f.screen.close();
        QCOMPARE(f.folder.read("Anagrafica/Scheda_Iscritto_1.jpg"), photoFile);
        // The deleted logo is the saved one: a white bitmap.
        const QImage stored(f.folder.path("Anagrafica/Logo.bmp"));
        QCOMPARE(stored.size(), QSize(119, 118));
        QCOMPARE(QColor(stored.pixel(60, 60)), QColor(Qt::white));
    }

    void organisationDialogAppliesOrCancels() {
        CardScreenFixture f;
        f.folder.write(CardSettings::kFileName, "[Associazione]\r\nDenominazione=  Palestra Olimpia  \r\n");
        f.screen.hide(); // the next visit reads the file again
        f.show();
        QStringList shown;
        QString focused;
        inspectNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<TfrmDatiEnte*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Dati Ente o Associazione"));
            QCOMPARE(dialog->modeKey(), QStringLiteral("tessera"));
            for (const char* name :
                 {"txtAssociazione", "txtSottotitolo01", "txtSottotitolo02", "txtAnnotazioni"})
                shown << dialog->findChild<QLineEdit*>(name)->text();
            focused = modal->focusWidget() ? modal->focusWidget()->objectName() : QString();
            dialog->findChild<QLineEdit*>("txtAssociazione")->setText(QStringLiteral("Altro nome"));
            QTest::mouseClick(dialog->findChild<QPushButton*>("btnAnnulla"), Qt::LeftButton);
        });
        f.clickCard("titSottotitolo02");
        QCOMPARE(shown, (QStringList{"Palestra Olimpia", "Indirizzo", "Recapiti", "Note"}));
        QCOMPARE(focused, QStringLiteral("txtAssociazione"));
        QCOMPARE(f.text("titAssociazione"), QStringLiteral("Palestra Olimpia"));

        inspectNextModal([](QWidget* modal) {
            const QStringList typed{QString::fromUtf8(" A.S.D. Forza ★ "), "Via Roma 1", "", ""};
            int i = 0;
            for (const char* name :
                 {"txtAssociazione", "txtSottotitolo01", "txtSottotitolo02", "txtAnnotazioni"})
                modal->findChild<QLineEdit*>(name)->setText(typed[i++]);
            QTest::mouseClick(modal->findChild<QPushButton*>("btnApplica"), Qt::LeftButton);
        });
        f.clickCard("titAssociazione");
        // What the card shows is what the settings file can keep.
        QCOMPARE(f.texts(kAssociationLabels), (QStringList{"A.S.D. Forza ?", "Via Roma 1", "", ""}));
        f.screen.close();
        f.show();
        QCOMPARE(f.texts(kAssociationLabels),
                 (QStringList{"A.S.D. Forza ?", "Via Roma 1", "Recapiti", "Note"}));
    }

    void enterWalksTheOrganisationFieldsInACircle() {
        TfrmDatiEnte dialog;
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        (void)QTest::qWaitForWindowActive(&dialog);
        const char* order[] = {"txtAssociazione", "txtSottotitolo01", "txtSottotitolo02", "txtAnnotazioni",
                               "txtAssociazione"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(order[i]));
            QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("eff") + QString::fromLatin1(order[i] + 3))
                        ->isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(order[4]));
    }

    void browsingShowsMembersWithTheirPhotos() {
        CardScreenFixture f;
        f.click("cmdPrimo");
        QCOMPARE(f.fake->messages, (QList<FakePlatform::Shown>{{Box::Information, ArchiveMessages::kEmpty}}));
        f.fake->messages.clear();

        TSchedaIscritto padded = member("  Verdi Ugo ", " B-7 ");
        f.seed({member("Rossi Mario", "A-1"), padded});
        const QImage photo = filled(QSize(90, 120), Qt::red);
        QVERIFY(MemberPhoto::save(2, photo));
        f.click("cmdAvanti");
        QCOMPARE(f.text("lblPosizione"), QStringLiteral("1"));
        QCOMPARE(f.picture("imgFoto"), MemberPhoto::blank());
        f.click("cmdUltimo");
        QCOMPARE(f.text("lblPosizione"), QStringLiteral("2"));
        QCOMPARE(f.texts(kMemberLabels),
                 (QStringList{"Verdi Ugo", "Nuoto", "B-7", "01/01/2024", "31/12/2024"}));
        QCOMPARE(f.picture("imgFoto").size(), photo.size());
        f.click("cmdAvanti"); // at the last record nothing happens
        QCOMPARE(f.text("lblPosizione"), QStringLiteral("2"));
        f.click("cmdIndietro");
        QCOMPARE(f.text("txtTesserato"), QStringLiteral("Rossi Mario"));

        f.click("cmdNuovo");
        QCOMPARE(f.text("lblPosizione"), QString());
        QCOMPARE(f.text("txtTesserato"), QStringLiteral("Cognome e nome Iscritto"));
        QCOMPARE(f.picture("imgFoto"), MemberPhoto::blank());
        QCOMPARE(f.text("titAssociazione"), QStringLiteral("Denominazione Associazione"));
        QVERIFY(f.fake->messages.isEmpty());
    }

    void archiveFailureShowsTheErrorAndKeepsTheCard() {
        CardScreenFixture f;
        QVERIFY(QDir(f.folder.path()).mkdir(TSchedaIscritto::FileName));
        f.click("cmdUltimo");
        QCOMPARE(f.fake->messages, (QList<FakePlatform::Shown>{{Box::Error, ArchiveMessages::kFailure}}));
        QCOMPARE(f.text("txtTesserato"), QStringLiteral("Cognome e nome Iscritto"));
    }

    void memberSearchDeliversIntoTheCard() {
        CardScreenFixture f;
        f.seed({member("Rossi Mario", "A-1"), member("Bianchi Anna", "A-2")});
        QVERIFY(MemberPhoto::save(2, filled(QSize(80, 100), Qt::green)));
        QString key;
        inspectNextModal([&key](QWidget* modal) {
            auto* search = qobject_cast<TfrmTrovaTiratori*>(modal);
            QVERIFY(search);
            key = search->modeKey();
            search->findChild<QLineEdit*>("txtTiratore")->setText(QStringLiteral("bianchi"));
            QTest::mouseClick(search->findChild<QPushButton*>("btnCerca"), Qt::LeftButton);
            auto* list = search->findChild<QListView*>("lstRecords");
            list->setCurrentIndex(list->model()->index(0, 0));
            QTest::keyClick(list, Qt::Key_Return);
        });
        f.click("cmdTrova");
        QCOMPARE(key, QStringLiteral("tessera"));
        QCOMPARE(f.text("lblPosizione"), QStringLiteral("2"));
        QCOMPARE(f.texts(kMemberLabels),
                 (QStringList{"Bianchi Anna", "Nuoto", "A-2", "01/01/2024", "31/12/2024"}));
        QCOMPARE(f.picture("imgFoto").size(), QSize(80, 100));
    }

    void guidePageShowsTheCardParagraphs() {
        CardScreenFixture f;
        QString title, text;
        inspectNextModal([&](QWidget* modal) {
            title = modal->findChild<QLabel*>("lblTitolo")->text();
            text = modal->findChild<QPlainTextEdit*>("txtGuida")->toPlainText();
        });
        f.click("imgGuida");
        QCOMPARE(title, QStringLiteral("App Stampa Tessere"));
        const QStringList paragraphs = text.split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 4);
        QVERIFY(paragraphs[0].startsWith(QStringLiteral("L'app Stampa Tessere serve sia alla stampa")));
        QVERIFY(paragraphs[3].endsWith(QString::fromUtf8("al riquadro della foto in formato tessera.")));
    }

    void mainMenuOpensTheCardScreen() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        Startup startup;
        startup.menu().show();
        auto* tile = startup.menu().findChild<QPushButton*>("btnApp02");
        QVERIFY(tile->isEnabled());
        QTest::mouseClick(tile, Qt::LeftButton);
        QVERIFY(startup.cards().isVisible());
        QVERIFY(!startup.menu().isVisible());
        startup.cards().close();
        QVERIFY(startup.menu().isVisible());
        QVERIFY(QFile::exists(folder.path(CardSettings::kFileName)));
    }

    // A new user sets the card up once, prints, and finds it all again at the next run.
    void cardSetUpSurvivesTheNextRun() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        QTemporaryDir dir;
        const QString logoFile = dir.filePath("logo.png");
        QVERIFY(filled(QSize(200, 200), Qt::red).save(logoFile));
        folder.write(TSchedaIscritto::FileName, MemberCodec::encode(member("Rossi Mario", "A-1")));
        QVERIFY(MemberPhoto::save(1, filled(QSize(90, 120), Qt::green)));
        fake->printTo = dir.filePath("tesserino.pdf");
        {
            Startup startup;
            startup.menu().show();
            QTest::mouseClick(startup.menu().findChild<QPushButton*>("btnApp02"), Qt::LeftButton);
            TfrmTessera& screen = startup.cards();
            inspectNextModal([](QWidget* modal) {
                modal->findChild<QLineEdit*>("txtAssociazione")->setText(QStringLiteral("Palestra Olimpia"));
                modal->findChild<QLineEdit*>("txtAnnotazioni")->setText(QStringLiteral("Stagione 2024"));
                QTest::mouseClick(modal->findChild<QPushButton*>("btnApplica"), Qt::LeftButton);
            });
            QTest::mouseClick(screen.findChild<QWidget*>("titAssociazione"), Qt::LeftButton);
            fake->fileNames.enqueue(logoFile);
            QTest::mouseClick(screen.findChild<QWidget*>("imgLogo"), Qt::LeftButton);
            QTest::mouseClick(screen.findChild<QToolButton*>("cmdPrimo"), Qt::LeftButton);
            inspectNextModal([](QWidget* modal) {
                QTest::mouseClick(modal->findChild<QPushButton*>("btnStampa"), Qt::LeftButton);
            });
            QTest::mouseClick(screen.findChild<QToolButton*>("cmdAnteprima"), Qt::LeftButton);
            QCOMPARE(fake->previews, 1);
            inspectNextModal([](QWidget* modal) {
                for (int i = 0; i < 3; ++i)
                    QTest::mouseClick(modal->findChild<QPushButton*>("btnTopPlus"), Qt::LeftButton);
                QTest::mouseClick(modal->findChild<QRadioButton*>("optOrizzontale"), Qt::LeftButton);
                QTest::mouseClick(modal->findChild<QPushButton*>("btnStampa"), Qt::LeftButton);
            });
            QTest::mouseClick(screen.findChild<QToolButton*>("cmdStampa"), Qt::LeftButton);
            QCOMPARE(fake->printDialogs, 1);
            const QString printed = PdfTools::text(fake->printTo);
            for (const char* text : {"Palestra Olimpia", "Stagione 2024", "Rossi Mario", "A-1"})
                QVERIFY2(printed.contains(QString::fromLatin1(text)), text);
            QTest::mouseClick(screen.findChild<QToolButton*>("imgEsci"), Qt::LeftButton);
            QVERIFY(startup.menu().isVisible());
        }
        QVERIFY(fake->messages.isEmpty());

        Startup startup;
        startup.menu().show();
        QTest::mouseClick(startup.menu().findChild<QPushButton*>("btnApp02"), Qt::LeftButton);
        TfrmTessera& screen = startup.cards();
        QCOMPARE(screen.findChild<QLabel*>("titAssociazione")->text(), QStringLiteral("Palestra Olimpia"));
        QCOMPARE(screen.findChild<QLabel*>("titAnnotazioni")->text(), QStringLiteral("Stagione 2024"));
        const QImage logo = screen.findChild<PhotoFrame*>("imgLogo")->image();
        QCOMPARE(logo.size(), QSize(119, 118));
        QCOMPARE(QColor(logo.pixel(60, 60)), QColor(Qt::red));
        QString top;
        bool inLandscape = false;
        inspectNextModal([&](QWidget* modal) {
            top = modal->findChild<QLineEdit*>("txtTop")->text();
            inLandscape = modal->findChild<QRadioButton*>("optOrizzontale")->isChecked();
        });
        QTest::mouseClick(screen.findChild<QToolButton*>("cmdStampa"), Qt::LeftButton);
        QCOMPARE(top, QStringLiteral("3"));
        QVERIFY(inLandscape);
    }
};

ZANDORIO_TEST(CardScreenTest)
#include "tst_card_screen.moc"
