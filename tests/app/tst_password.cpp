#include "FakePlatform.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/AccessPassword.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "storage/AtomicFile.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                   "password. Si consiglia di reinstallare il software.");
const QString kChangeError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                   "della password. Si consiglia di reinstallare il software.");

// A fresh installation: program folder with the shipped settings, both screens created.
struct Installation {
    Installation() {
        QFile::copy(qEnvironmentVariable("SOURCE_DIR") + "/assets/unins000.dll", folder.path("unins000.dll"));
        password.show();
    }
    QLineEdit* field(QWidget* w, const char* name) const { return w->findChild<QLineEdit*>(name); }
    QPushButton* button(QWidget* w, const char* name) const { return w->findChild<QPushButton*>(name); }
    void login(const QString& typed) {
        field(&password, "txtPassword")->setText(typed);
        QTest::mouseClick(button(&password, "cmdOK"), Qt::LeftButton);
    }

    FakePlatformScope fake;
    TempProgramFolder folder;
    TfrmAvvio menu;
    TfrmPassword password{[this] { return &menu; }};
};

} // namespace

class PasswordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void check_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("small letters") << "pellicanoverde" << true;
        QTest::newRow("mixed case and blanks") << "  PellicanoVerde \t" << true;
        QTest::newRow("one letter short") << "pellicanoverd" << false;
        QTest::newRow("inner blank") << "pellicano verde" << false;
    }
    void check() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        Installation app;
        app.login(typed);
        QCOMPARE(app.menu.isVisible(), accepted);
        QCOMPARE(app.password.isVisible(), !accepted);
        if (!accepted) {
            QCOMPARE(app.fake->messages, (QList<FakePlatform::Shown>{{Platform::Box::Notice, kWrong}}));
            QCOMPARE(app.field(&app.password, "txtPassword")->text(), QString());
            // Retried at once, no lock-out.
            app.login("PELLICANOVERDE");
            QVERIFY(app.menu.isVisible());
        }
    }

    void accentedLettersAreNotFolded() {
        Installation app;
        AccessPassword::store(QString::fromUtf8("àbc"));
        app.login(QString::fromUtf8("ÀBC"));
        QCOMPARE(app.fake->lastText(), kWrong);
        app.login(QString::fromUtf8("àBc"));
        QVERIFY(app.menu.isVisible());
    }

    void blankEntryCannotBeSubmitted() {
        Installation app;
        QLineEdit* f = app.field(&app.password, "txtPassword");
        QVERIFY(!app.button(&app.password, "cmdOK")->isEnabled());
        f->setFocus();
        QTest::keyClicks(f, "   ");
        QVERIFY(!app.button(&app.password, "cmdOK")->isEnabled());
        QTest::keyClick(f, Qt::Key_Return);
        QVERIFY(app.fake->messages.isEmpty());
        QTest::keyClicks(f, "pellicanoverde");
        QVERIFY(app.button(&app.password, "cmdOK")->isEnabled());
        QTest::keyClick(f, Qt::Key_Return);
        QVERIFY(app.menu.isVisible());
    }

    void missingSettingsRefuseEveryPassword() {
        Installation app;
        QFile::remove(app.folder.path("unins000.dll"));
        app.login("pellicanoverde");
        QCOMPARE(app.fake->lastText(), kWrong);
        QVERIFY(!app.menu.isVisible());
    }

    void damagedSettingsGiveTheReadError() {
        Installation app;
        app.folder.write("unins000.dll", "[Accesso]\r\nValore=E88Z\r\n");
        app.login("pellicanoverde");
        QCOMPARE(app.fake->lastText(), kReadError);
        QCOMPARE(app.field(&app.password, "txtPassword")->text(), QStringLiteral("pellicanoverde"));
        QVERIFY(!app.menu.isVisible());
    }

    void changeFlows() {
        Installation app;
        QTest::mouseClick(app.button(&app.password, "btnCambiaPassword"), Qt::LeftButton);
        TfrmCambiaPassword* change = app.password.changeScreen();
        QVERIFY(change->isVisible());
        QVERIFY(!app.password.isVisible());
        QLineEdit* old = app.field(change, "txtPasswordOld");
        QLineEdit* fresh = app.field(change, "txtPasswordNew");
        QLineEdit* confirm = app.field(change, "txtConferma");
        QPushButton* ok = app.button(change, "cmdOK");
        QVERIFY(!ok->isEnabled());

        // A wrong current password empties only the first field.
        old->setText("sbagliata");
        fresh->setText("nuova");
        confirm->setText("nuova");
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(app.fake->lastText(), QStringLiteral("Attenzione: vecchia password errata."));
        QCOMPARE(old->text(), QString());
        QCOMPARE(fresh->text(), QStringLiteral("nuova"));
        QVERIFY(!ok->isEnabled());

        // The confirmation is compared letter case included.
        old->setText(" PellicanoVerde ");
        confirm->setText("NUOVA");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(app.fake->lastText(),
                 QStringLiteral(
                     "Attenzione: la nuova password non è stata confermata correttamente. E' necessario "
                     "reinserire entrambi i valori."));
        QCOMPARE(fresh->text(), QString());
        QCOMPARE(confirm->text(), QString());
        QCOMPARE(old->text(), QStringLiteral(" PellicanoVerde "));

        fresh->setText(" nuova ");
        confirm->setText("nuova");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(app.fake->lastText(), QStringLiteral("Modifica della password completata con successo."));
        QVERIFY(!change->isVisible());
        QVERIFY(app.password.isVisible());
        QCOMPARE(AccessPassword::stored(), QStringLiteral("NUOVA"));

        app.login("pellicanoverde");
        QCOMPARE(app.fake->lastText(), kWrong);
        app.login("NuOvA");
        QVERIFY(app.menu.isVisible());
    }

    void changeWithoutSettingsFileSaysWrongOldPassword() {
        Installation app;
        QFile::remove(app.folder.path("unins000.dll"));
        app.password.changeScreen()->show();
        app.field(app.password.changeScreen(), "txtPasswordOld")->setText("pellicanoverde");
        app.field(app.password.changeScreen(), "txtPasswordNew")->setText("a");
        app.field(app.password.changeScreen(), "txtConferma")->setText("a");
        QTest::mouseClick(app.button(app.password.changeScreen(), "cmdOK"), Qt::LeftButton);
        QCOMPARE(app.fake->lastText(), QStringLiteral("Attenzione: vecchia password errata."));
        QVERIFY(!QFile::exists(app.folder.path("unins000.dll")));
    }

    void changeFailureKeepsEverything() {
        Installation app;
        QFile::remove(app.folder.path("unins000.dll"));
        QDir(app.folder.path()).mkdir("unins000.dll"); // cannot be read or replaced
        TfrmCambiaPassword* change = app.password.changeScreen();
        change->show();
        app.field(change, "txtPasswordOld")->setText("pellicanoverde");
        app.field(change, "txtPasswordNew")->setText("a");
        app.field(change, "txtConferma")->setText("a");
        QTest::mouseClick(app.button(change, "cmdOK"), Qt::LeftButton);
        QCOMPARE(app.fake->messages, (QList<FakePlatform::Shown>{{Platform::Box::Notice, kChangeError}}));
        QVERIFY(change->isVisible());
        QCOMPARE(app.field(change, "txtPasswordOld")->text(), QStringLiteral("pellicanoverde"));
        QCOMPARE(app.field(change, "txtConferma")->text(), QStringLiteral("a"));
    }

    // Only the low byte of each character is scrambled: "€" or an emoji would lock everybody out,
    // while accented letters of the code page are kept and typed again as they are.
    void newPasswordMustSurviveTheScramble_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("stored");
        QTest::newRow("euro sign") << QString::fromUtf8("cassa€") << false;
        QTest::newRow("Polish letter") << QString::fromUtf8("łódź") << false;
        QTest::newRow("emoji") << QString::fromUtf8("palestra🏋") << false;
        QTest::newRow("accented letters") << QString::fromUtf8("città") << true;
    }
    void newPasswordMustSurviveTheScramble() {
        QFETCH(QString, typed);
        QFETCH(bool, stored);
        Installation app;
        const QByteArray before = app.folder.read("unins000.dll");
        TfrmCambiaPassword* change = app.password.changeScreen();
        change->show();
        app.field(change, "txtPasswordOld")->setText("pellicanoverde");
        app.field(change, "txtPasswordNew")->setText(typed);
        app.field(change, "txtConferma")->setText(typed);
        QTest::mouseClick(app.button(change, "cmdOK"), Qt::LeftButton);
        if (!stored) {
            QCOMPARE(
                app.fake->messages,
                (QList<FakePlatform::Shown>{
                    {Platform::Box::Warning,
                     QString::fromUtf8("Attenzione: la nuova password contiene caratteri non ammessi (ad "
                                       "esempio € o le emoji). E' necessario reinserire entrambi i valori "
                                       "usando lettere, cifre e simboli comuni.")}}));
            QCOMPARE(app.folder.read("unins000.dll"), before);
            QVERIFY(change->isVisible());
            QCOMPARE(app.field(change, "txtPasswordNew")->text(), QString());
            QCOMPARE(app.field(change, "txtConferma")->text(), QString());
            return;
        }
        QCOMPARE(app.fake->lastText(), QStringLiteral("Modifica della password completata con successo."));
        app.login(typed);
        QVERIFY(app.menu.isVisible());
    }

    // A full disk while the settings are written: the old password keeps working.
    void changeOnAFullDiskKeepsTheOldFile() {
        Installation app;
        const QByteArray before = app.folder.read("unins000.dll");
        TfrmCambiaPassword* change = app.password.changeScreen();
        change->show();
        app.field(change, "txtPasswordOld")->setText("pellicanoverde");
        app.field(change, "txtPasswordNew")->setText("nuova");
        app.field(change, "txtConferma")->setText("nuova");
        {
            const AtomicFile::Fault fault(AtomicFile::Step::Flush);
            QTest::mouseClick(app.button(change, "cmdOK"), Qt::LeftButton);
        }
        QCOMPARE(app.fake->messages, (QList<FakePlatform::Shown>{{Platform::Box::Notice, kChangeError}}));
        QCOMPARE(app.folder.read("unins000.dll"), before);
        QVERIFY(change->isVisible());
    }

    void cancelReturnsToThePasswordScreen() {
        Installation app;
        app.field(&app.password, "txtPassword")->setText("abc");
        QTest::mouseClick(app.button(&app.password, "btnCambiaPassword"), Qt::LeftButton);
        QTest::mouseClick(app.button(app.password.changeScreen(), "cmdEsci"), Qt::LeftButton);
        QVERIFY(app.password.isVisible());
        QCOMPARE(app.field(&app.password, "txtPassword")->text(), QString());
    }
};

ZANDORIO_TEST(PasswordTest)
#include "tst_password.moc"
