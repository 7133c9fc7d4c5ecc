#include "ArchiveFixture.h"
#include "PdfTools.h"
#include "ScreenDriver.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "app/MailAddress.h"
#include "entries/EntryChecks.h"
#include "entries/TSchedaIngresso.h"
#include "entries/TfrmIngressi.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmTrovaTiratori.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrlQuery>

namespace {

using Box = Platform::Box;
using R = TSchedaIngresso;

R stored(const char* day, const char* month, const char* year, const char* name) {
    R e;
    e.Giorno = QString::fromLatin1(day);
    e.Mese = QString::fromLatin1(month);
    e.Ore = QStringLiteral("18");
    e.Minuti = QStringLiteral("05");
    e.AttivitaSvolta = QStringLiteral("Nuoto");
    e.CognomeNome = QString::fromUtf8(name);
    e.NumeroTessera = QStringLiteral("T-1");
    e.Note = QStringLiteral("nota");
    return EntryChecks::completed(e, QString::fromLatin1(year));
}

// The entry screen opened on the 2024 register of a fresh program folder, on 5 March 2024 at 9:30.
struct ScreenFixture : ArchiveFixture<R>, ScreenDriver<TfrmIngressi> {
    ScreenFixture() : ArchiveFixture(QStringLiteral("2024.ing")) {
        fake->date = QDate(2024, 3, 5);
        fake->time = QTime(9, 30);
        screen.openRegister(QStringLiteral("2024"), R::path(QStringLiteral("2024")));
        show();
    }

    QComboBox* pick(const char* name) const { return find<QComboBox>(name); }
    void fillEntry() const {
        setText("txtAttivita", QStringLiteral("Pilates & Yoga"));
        setText("txtTesserato", QStringLiteral("D'Angelo Nicolò"));
        setText("txtNumTessera", QStringLiteral("T-12"));
        setText("txtRecapito", QStringLiteral("3331234567"));
        setText("txtEmail", QStringLiteral("nicolo@example.it"));
    }
};

const QString kSaved = QStringLiteral("La scheda corrente è stata salvata in archivio.");
const QString kChanged =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

} // namespace

class EntryScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showingPreparesANewEntryOfToday() {
        ScreenFixture f;
        QCOMPARE(f.screen.windowTitle(), QStringLiteral(" Zandorio - Registro ingressi anno 2024"));
        QCOMPARE(f.text("lblAnnoRit"), QStringLiteral("2024"));
        QCOMPARE(f.text("txtGiornoRit"), QStringLiteral("05"));
        QCOMPARE(f.text("txtMeseRit"), QStringLiteral("Marzo"));
        QCOMPARE(f.text("txtOreRit"), QStringLiteral("09"));
        QCOMPARE(f.text("txtMinutiRit"), QStringLiteral("30"));
        QCOMPARE(f.text("txtAttivita"), QString());
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.text("panInfo"), QStringLiteral("Pronto per stampare una nuova scheda..."));
        QCOMPARE(QApplication::focusWidget(), f.field("txtAttivita"));
    }

    void savingTwiceWritesOneEntryWithTheRegistersYearAndTheTimeShown() {
        ScreenFixture f;
        f.fillEntry();
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(), QList<FakePlatform::Shown>({{Box::Information, kSaved}}));
        QCOMPARE(f.position(), QStringLiteral("1"));
        f.setText("txtNote", QStringLiteral("seconda"));
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(), QList<FakePlatform::Shown>({{Box::Information, kChanged}}));
        const QList<R> entries = f.archive();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].Anno, QStringLiteral("2024"));
        QCOMPARE(entries[0].DataIngresso, QStringLiteral("05/03/2024"));
        QCOMPARE(entries[0].OraIngresso, QStringLiteral("09:30"));
        QCOMPARE(entries[0].Note, QStringLiteral("seconda"));
        QCOMPARE(entries[0].CognomeNome, QStringLiteral("D'Angelo Nicolò"));
    }

    void impossibleDatesAreRefused() {
        ScreenFixture f;
        f.fillEntry();
        f.setText("txtGiornoRit", QStringLiteral("31"));
        f.setText("txtMeseRit", QStringLiteral("Aprile"));
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(),
                 QList<FakePlatform::Shown>(
                     {{Box::Notice, "Attenzione: la data 31/04/2024 non esiste.\n\r\n\rPer poter "
                                    "salvare la scheda è necessario indicare una data valida."}}));
        QCOMPARE(QApplication::focusWidget(), f.pick("txtGiornoRit"));
        QCOMPARE(f.text("lblDataRit"), QStringLiteral("31/04/2024"));
        QVERIFY(f.archive().isEmpty());

        f.setText("txtGiornoRit", QStringLiteral("29"));
        f.setText("txtMeseRit", QStringLiteral("Febbraio"));
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(), QList<FakePlatform::Shown>({{Box::Information, kSaved}}));
        QCOMPARE(f.archive().value(0).DataIngresso, QStringLiteral("29/02/2024"));

        f.setText("txtAttivita", QString());
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(),
                 QList<FakePlatform::Shown>({{Box::Warning, "Attenzione: per salvare la scheda è necessario "
                                                            "indicare l'attività svolta dall'iscritto."}}));
        QCOMPARE(QApplication::focusWidget(), f.field("txtAttivita"));
    }

    void duplicatingKeepsTheMemberAndAsksForANewDate() {
        ScreenFixture f;
        f.click("cmdDuplica");
        QCOMPARE(f.takeMessages(),
                 QList<FakePlatform::Shown>(
                     {{Box::Warning, "Attenzione: la duplicazione di una scheda può avvenire "
                                     "soltanto dopo che questa è stata inserita in archivio."}}));
        f.seed({stored("01", "Marzo", "2024", "Rossi Mario")});
        f.click("cmdPrimo");
        f.click("cmdDuplica");
        QCOMPARE(f.takeMessages(),
                 QList<FakePlatform::Shown>(
                     {{Box::Information, "E' ora possibile apportare le proprie modifiche alla "
                                         "scheda corrente.\n\r\n\rAl termine premere Salva per "
                                         "inserire la scheda in archivio."}}));
        QCOMPARE(f.position(), QString());
        for (const char* emptied : {"txtGiornoRit", "txtMeseRit", "txtOreRit", "txtMinutiRit"})
            QCOMPARE(f.text(emptied), QString());
        QCOMPARE(f.text("txtTesserato"), QStringLiteral("Rossi Mario"));
        QCOMPARE(f.text("txtNote"), QStringLiteral("nota"));
        QCOMPARE(QApplication::focusWidget(), f.pick("txtGiornoRit"));

        f.click("impRitiro");
        f.click("impOraRit");
        f.click("cmdSalva");
        QCOMPARE(f.position(), QStringLiteral("2"));
        QCOMPARE(f.archive().size(), 2);
        QCOMPARE(f.archive()[1].DataIngresso, QStringLiteral("05/03/2024"));
    }

    void browsingKeepsTheRegistersYear() {
        ScreenFixture f;
        R foreign = stored("10", "Marzo", "2019", "Copiata");
        foreign.OraIngresso = QStringLiteral("23:59"); // a time at odds with its parts
        f.seed({stored("01", "Marzo", "2024", "Rossi"), foreign});
        f.click("cmdAvanti"); // a new entry counts as position 0
        QCOMPARE(f.position(), QStringLiteral("1"));
        f.click("cmdIndietro");
        QCOMPARE(f.position(), QStringLiteral("1"));
        f.click("cmdUltimo");
        QCOMPARE(f.text("txtTesserato"), QStringLiteral("Copiata"));
        QCOMPARE(f.text("lblOraRit"), QStringLiteral("23:59"));
        QCOMPARE(f.text("lblAnnoRit"), QStringLiteral("2024"));
        f.click("cmdAvanti");
        QCOMPARE(f.position(), QStringLiteral("2"));
        QVERIFY(f.takeMessages().isEmpty());

        f.click("cmdSalva");
        const R rewritten = f.archive()[1];
        QCOMPARE(rewritten.Anno, QStringLiteral("2024"));
        QCOMPARE(rewritten.DataIngresso, QStringLiteral("10/03/2024"));
        QCOMPARE(rewritten.OraIngresso, QStringLiteral("18:05"));
    }

    void pickListsTakeOnlyTheirItems() {
        ScreenFixture f;
        R lower = stored("01", "marzo", "2024", "Rossi");
        f.seed({lower});
        f.click("cmdPrimo");
        QCOMPARE(f.text("txtMeseRit"), QStringLiteral("marzo"));
        f.pick("txtMeseRit")->setFocus();
        QTest::keyClicks(f.pick("txtMeseRit"), QStringLiteral("xy"));
        QCOMPARE(f.text("txtMeseRit"), QStringLiteral("marzo"));
        f.field("txtAttivita")->setFocus();
        QCOMPARE(f.text("txtMeseRit"), QString()); // not one of its items, letter case counts

        f.pick("txtGiornoRit")->setFocus();
        QTest::keyClick(f.pick("txtGiornoRit"), Qt::Key_Backspace);
        QCOMPARE(f.text("txtGiornoRit"), QString());
    }

    void fieldRulesAsTyped() {
        ScreenFixture f;
        QTest::keyClicks(f.field("txtRecapito"), QStringLiteral("33a3,"));
        QCOMPARE(f.text("txtRecapito"), QStringLiteral("333"));
        QApplication::clipboard()->setText(QStringLiteral("+39 347-11"));
        f.field("txtRecapito")->paste();
        QCOMPARE(f.text("txtRecapito"), QStringLiteral("3333934711"));
        QTest::keyClicks(f.field("txtCodFisc"), QStringLiteral(" rssmra "));
        QCOMPARE(f.text("txtCodFisc"), QStringLiteral("RSSMRA"));
        QTest::keyClicks(f.field("txtEmail"), QStringLiteral(" a@b.it "));
        QCOMPARE(f.text("txtEmail"), QStringLiteral("a@b.it"));
        QTest::keyClick(f.field("txtIncaricato"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.pick("txtGiornoRit"));
    }

    void whatsAppSendsTheExactConfirmation() {
        ScreenFixture f;
        f.fillEntry();
        f.setText("txtRecapito", QString());
        f.click("btnWhatsApp");
        QCOMPARE(f.takeMessages(),
                 QList<FakePlatform::Shown>(
                     {{Box::Warning, "Attenzione: per inviare la notifica tramite WhatsApp è "
                                     "necessario indicare il numero di cellulare dell'iscritto."}}));
        QCOMPARE(QApplication::focusWidget(), f.field("txtRecapito"));
        QVERIFY(f.fake->opened.isEmpty());

        f.setText("txtRecapito", QStringLiteral("3331234567"));
        f.click("btnWhatsApp");
        QCOMPARE(f.fake->opened.size(), 1);
        const QUrl sent(f.fake->opened[0], QUrl::StrictMode);
        QCOMPARE(sent.host(), QStringLiteral("web.whatsapp.com"));
        QCOMPARE(QUrlQuery(sent).queryItemValue(QStringLiteral("phone")), QStringLiteral("3331234567"));
        QCOMPARE(QUrlQuery(sent).queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded),
                 QStringLiteral(
                     "Gentile D'Angelo Nicolò, con la presente le confermiamo la corretta registrazione "
                     "del suo ingresso in palestra avvenuto in data 05 Marzo 2024 alle ore 09:30 esibendo "
                     "la sua tessera n. T-12 per svolgere l'attività di Pilates & Yoga. Ringraziandola "
                     "per la preferenza accordataci, le porgiamo cordiali saluti."));
        QVERIFY(f.archive().isEmpty());
    }

    void emailSendsTheConfirmationToTheMember() {
        ScreenFixture f;
        f.fillEntry();
        f.click("cmdEmail");
        QCOMPARE(f.fake->opened.size(), 1);
        const QUrl sent(f.fake->opened[0], QUrl::StrictMode);
        QCOMPARE(sent.scheme(), QStringLiteral("mailto"));
        QCOMPARE(sent.path(), QStringLiteral("nicolo@example.it"));
        QCOMPARE(QUrlQuery(sent).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Conferma registrazione ingresso in palestra"));
        QVERIFY(QUrlQuery(sent)
                    .queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded)
                    .startsWith(QStringLiteral("Gentile Sig. D'Angelo Nicolò, con la presente")));

        f.setText("txtEmail", QStringLiteral("a@b.it?bcc=x@y.it"));
        f.click("cmdEmail");
        QCOMPARE(f.takeMessages(), QList<FakePlatform::Shown>({{Box::Warning, kRefusedMailAddress}}));
        QCOMPARE(f.fake->opened.size(), 1);
    }

    void memberImportFillsTheMembersFieldsOnly() {
        ScreenFixture f;
        TSchedaIscritto member;
        member.CognomeNome = QStringLiteral("Bianchi Anna");
        member.CodiceFiscale = QStringLiteral("BNCNNA90A41H501X");
        member.TelCellulare = QStringLiteral("3471112233");
        member.NumeroTessera = QStringLiteral("T-77");
        member.Email = QStringLiteral("anna@example.it");
        member.Note = QStringLiteral("non importata");
        f.folder.write(TSchedaIscritto::FileName, MemberCodec::encode(member));
        f.setText("txtNote", QStringLiteral("mia nota"));
        QTimer::singleShot(0, [] {
            auto* search = qobject_cast<TfrmTrovaTiratori*>(QApplication::activeModalWidget());
            QVERIFY(search);
            QCOMPARE(search->modeKey(), QStringLiteral("ingressi"));
            QTest::mouseClick(search->findChild<QPushButton*>("btnCerca"), Qt::LeftButton);
            auto* list = search->findChild<QListView*>("lstRecords");
            list->setCurrentIndex(list->model()->index(0, 0));
            QTest::keyClick(list, Qt::Key_Return);
        });
        f.click("impCliente");
        QCOMPARE(f.text("txtTesserato"), QStringLiteral("Bianchi Anna"));
        QCOMPARE(f.text("txtCodFisc"), QStringLiteral("BNCNNA90A41H501X"));
        QCOMPARE(f.text("txtRecapito"), QStringLiteral("3471112233"));
        QCOMPARE(f.text("txtNumTessera"), QStringLiteral("T-77"));
        QCOMPARE(f.text("txtEmail"), QStringLiteral("anna@example.it"));
        QCOMPARE(f.text("txtNote"), QStringLiteral("mia nota"));
        QCOMPARE(f.position(), QString());
    }

    void commandsOpenTheirDialogsOnTheRegister_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("rows");
        // clang-format off
        QTest::newRow("daily") << "cmdRiepGiornaliero" << "frmRiepGiornalieroIng" << 0;
        QTest::newRow("monthly") << "cmdRiepMensile" << "frmRiepMensileIng" << 0;
        QTest::newRow("annual") << "cmdRiepAnnuale" << "frmRiepAnnualeIng" << 2;
        QTest::newRow("export") << "cmdEsporta" << "frmExpIngressi" << 2;
        QTest::newRow("search") << "cmdTrova" << "frmTrovaIngressi" << -1;
        // clang-format on
    }
    void commandsOpenTheirDialogsOnTheRegister() {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(int, rows);
        ScreenFixture f;
        f.seed({stored("01", "Marzo", "2024", "Rossi"), stored("02", "Marzo", "2024", "Verdi"),
                stored("02", "Marzo", "2023", "Copiata")});
        QString opened;
        int listed = -1;
        QString year;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            opened = modal->objectName();
            if (auto* grid = modal->findChild<QAbstractItemView*>(QStringLiteral("grdRecords")))
                listed = grid->model()->rowCount();
            if (auto* lblAnno = modal->findChild<QLabel*>(QStringLiteral("lblAnno")))
                year = lblAnno->text();
            qobject_cast<QDialog*>(modal)->reject();
        });
        f.click(command.toLatin1().constData());
        QCOMPARE(opened, dialog);
        QCOMPARE(listed, rows);
        if (dialog.startsWith(QStringLiteral("frmRiepGiornaliero")) ||
            dialog.startsWith(QStringLiteral("frmRiepMensile")))
            QCOMPARE(year, QStringLiteral("2024"));
    }

    void registerThatCannotBeWrittenKeepsTheScreen() {
        ScreenFixture f;
        QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("2024.ing")));
        f.fillEntry();
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(), QList<FakePlatform::Shown>({{Box::Error, ArchiveMessages::kFailure}}));
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.text("txtTesserato"), QStringLiteral("D'Angelo Nicolò"));
        f.click("cmdPrimo");
        QCOMPARE(f.takeMessages(), QList<FakePlatform::Shown>({{Box::Error, ArchiveMessages::kFailure}}));
    }

    void slipPrintsWhatTheScreenShows() {
        ScreenFixture f;
        f.fillEntry();
        QTemporaryDir dir;
        f.fake->printTo = dir.filePath(QStringLiteral("slip.pdf"));
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Stampa scheda"));
            QTest::mouseClick(dialog->findChild<QPushButton*>("btnStampa"), Qt::LeftButton);
        });
        f.click("cmdStampa");
        const QString text = PdfTools::text(f.fake->printTo);
        QCOMPARE(text.count(QStringLiteral("D'Angelo Nicolò")), 2);
        QCOMPARE(text.count(QStringLiteral("05 Marzo 2024")), 2);
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:30:00")));

        f.fake->printTo = dir.filePath(QStringLiteral("missing/preview.pdf"));
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QCOMPARE(dialog->windowTitle(), QStringLiteral(" Anteprima di stampa"));
            QTest::mouseClick(dialog->findChild<QPushButton*>("btnStampa"), Qt::LeftButton);
        });
        f.click("cmdAnteprima");
        QCOMPARE(f.fake->previews, 1);
        QCOMPARE(f.takeMessages(),
                 QList<FakePlatform::Shown>(
                     {{Box::Warning, "Attenzione: la visualizzazione dell'anteprima di stampa "
                                     "non è andata a buon fine.\n\r\n\rAccertarsi che la "
                                     "stampante sia configurata correttamente."}}));
        QVERIFY(f.archive().isEmpty());
    }
};

ZANDORIO_TEST(EntryScreenTest)
#include "tst_entry_screen.moc"
