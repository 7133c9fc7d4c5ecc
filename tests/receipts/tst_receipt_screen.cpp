#include "ReceiptFixture.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "members/TSchedaIscritto.h"
#include "receipts/AmountInWords.h"
#include "receipts/Currency.h"
#include "receipts/ReceiptCompanion.h"
#include "receipts/ReceiptSettings.h"
#include "receipts/TfrmRicevuta.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QListView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>

namespace {

using Box = Platform::Box;

const QString kWordsHint = QStringLiteral("Digitare l'importo in cifre nella casella del "
                                          "Totale.\n\r\n\rL'importo in lettere apparirà in automatico.");

// The receipt screen opened on the archive of 2024, as the receipts menu opens it.
struct ScreenFixture : ReceiptFolder, ScreenDriver<TfrmRicevuta> {
    ScreenFixture() {
        screen.openYear(QStringLiteral("2024"), path());
        show();
    }
    // Another visit to the screen, which is only ever hidden and shown again.
    void reopen() {
        screen.hide();
        screen.show();
        QApplication::setActiveWindow(&screen);
    }
    void type(const char* name, const QString& text) const {
        field(name)->setFocus();
        QTest::keyClicks(field(name), text);
    }
    // Everything the save asks for, as the user fills it.
    void fill() const {
        const TSchedaRicevuta r = receipt(QStringLiteral("7"));
        field("txtNumRic")->setText(r.NumeroRicevuta);
        field("txtPagatore")->setText(r.Pagatore);
        field("txtCodFisc")->setText(r.CodiceFiscalePagatore);
        field("txtSport")->setText(r.AttivitaSportiva);
        field("txtDal")->setText(r.PeriodoDal);
        field("txtAl")->setText(r.PeriodoAl);
        setMethod(QStringLiteral("Bonifico bancario o postale"));
    }
    void setMethod(const QString& method) const {
        screen.findChild<QComboBox*>("cboPagamento")->setCurrentText(method);
    }
};

} // namespace

class ReceiptScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showingTheScreenStartsAnEmptyReceiptUnderTheSavedPayee() {
        ScreenFixture s;
        s.folder.write(ReceiptSettings::kFileName,
                       "[Ricevente]\r\nRigo 1=A.S.D. Delfini\r\nRigo 4=Forl\xec\r\n");
        s.field("txtNumRic")->setText(QStringLiteral("9"));
        s.reopen();
        QCOMPARE(s.screen.windowTitle(), QStringLiteral(" Zandorio - Archivio ricevute anno 2024"));
        QCOMPARE(s.text("lblFile"), s.path());
        QCOMPARE(s.text("txtRicevente01"), QStringLiteral("A.S.D. Delfini"));
        QCOMPARE(s.text("txtRicevente04"), QString::fromUtf8("Forlì"));
        QCOMPARE(s.text("txtData"), QStringLiteral("05/03/2024"));
        QCOMPARE(s.text("txtCents"), QStringLiteral("00"));
        QCOMPARE(s.text("txtCentLettere"), QStringLiteral("00"));
        QCOMPARE(s.text("txtNumRic"), QString());
        QCOMPARE(s.text("panInfo"), QStringLiteral("Pronto per archiviare una nuova ricevuta..."));
        QCOMPARE(QApplication::focusWidget(), s.field("txtPagatore"));
        for (const char* name : {"cmdAnteprima", "cmdStampa", "cmdLogo"})
            QVERIFY(s.screen.findChild<QToolButton*>(name)->isEnabled());
    }

    void newReceiptsAreNumberedFromTheStartNumber_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("receipts");
        QTest::addColumn<QString>("number");
        // clang-format off
        QTest::newRow("no settings, new year") << QByteArray() << 0 << "1";
        QTest::newRow("start 100, three receipts") << QByteArray("[Numerazione Ricevute]\r\nInizio=100\r\n") << 3 << "103";
        QTest::newRow("start 200, three receipts") << QByteArray("[Numerazione Ricevute]\r\nInizio=200\r\n") << 3 << "203";
        QTest::newRow("start 0") << QByteArray("[Numerazione Ricevute]\r\nInizio=0\r\n") << 0 << "0";
        QTest::newRow("blank start") << QByteArray("[Numerazione Ricevute]\r\nInizio=  \r\n") << 2 << "3";
        // clang-format on
    }
    void newReceiptsAreNumberedFromTheStartNumber() {
        QFETCH(QByteArray, settings);
        QFETCH(int, receipts);
        ScreenFixture s;
        if (!settings.isEmpty())
            s.folder.write(ReceiptSettings::kFileName, settings);
        QList<TSchedaRicevuta> archive;
        for (int i = 0; i < receipts; ++i)
            archive << receipt(QString::number(i + 1));
        if (receipts > 0)
            s.seed(archive);
        s.field("txtRicevente01")->setText(QStringLiteral("Palestra Sole"));
        s.field("txtImporto")->setText(QStringLiteral("99"));
        s.click("cmdNuovo");
        QTEST(s.text("txtNumRic"), "number");
        QVERIFY(QFile::exists(s.path())); // a new year's archive is created by the first "Nuovo"
        QCOMPARE(s.text("txtRicevente01"), QStringLiteral("Palestra Sole"));
        QCOMPARE(s.text("txtImporto"), QString());
        QCOMPARE(s.text("txtIntero"), QStringLiteral("0,00"));
        QCOMPARE(s.text("txtCents"), QStringLiteral("00"));
        QCOMPARE(QApplication::focusWidget(), s.field("txtPagatore"));
        QVERIFY(s.takeMessages().isEmpty());
    }

    void aStartNumberThatIsNoWholeNumberFailsAfterClearing() {
        ScreenFixture s;
        s.folder.write(ReceiptSettings::kFileName, "[Numerazione Ricevute]\r\nInizio=dodici\r\n");
        s.field("txtNumRic")->setText(QStringLiteral("A-12"));
        s.field("txtPagatore")->setText(QStringLiteral("Rossi"));
        s.click("cmdNuovo");
        QCOMPARE(s.takeMessages(), (QList<FakePlatform::Shown>{{Box::Error, ArchiveMessages::kFailure}}));
        QCOMPARE(s.text("txtPagatore"), QString());
        QCOMPARE(s.text("txtNumRic"), QStringLiteral("A-12"));
    }

    void saveChecksInOrder_data() {
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("warning");
        // clang-format off
        QTest::newRow("number") << "txtNumRic" << " " << "Attenzione: per salvare la scheda è necessario indicare il numero progressivo della ricevuta.";
        QTest::newRow("date") << "txtData" << "" << "Attenzione: per salvare la scheda è necessario indicare la data di emissione della ricevuta.";
        QTest::newRow("impossible date") << "txtData" << "30/02/2024" << "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel formato gg/mm/anno.";
        QTest::newRow("payer") << "txtPagatore" << "" << "Attenzione: per salvare la scheda è necessario indicare il nome del pagatore.";
        QTest::newRow("fiscal code") << "txtCodFisc" << "" << "Attenzione: per salvare la scheda è necessario indicare il codice fiscale del pagatore.";
        QTest::newRow("sport") << "txtSport" << "" << "Attenzione: per salvare la scheda è necessario indicare l'attività sportiva praticata.";
        QTest::newRow("period start") << "txtDal" << "" << "Attenzione: per salvare la scheda è necessario indicare la data di inizio del periodo a cui il pagamento si riferisce.";
        QTest::newRow("period end") << "txtAl" << "" << "Attenzione: per salvare la scheda è necessario indicare la data di scadenza del periodo a cui il pagamento si riferisce.";
        // clang-format on
    }
    void saveChecksInOrder() {
        QFETCH(QString, emptied);
        QFETCH(QString, value);
        QFETCH(QString, warning);
        ScreenFixture s;
        s.fill();
        // Every later check fails too: only the first is reported.
        bool later = false;
        for (const char* name :
             {"txtNumRic", "txtData", "txtPagatore", "txtCodFisc", "txtSport", "txtDal", "txtAl"}) {
            if (later)
                s.field(name)->clear();
            later = later || emptied == QLatin1String(name);
        }
        s.field(emptied.toLatin1())->setText(value);
        s.click("cmdSalva");
        QCOMPARE(s.takeMessages(), (QList<FakePlatform::Shown>{{Box::Warning, warning}}));
        QCOMPARE(QApplication::focusWidget(), s.field(emptied.toLatin1()));
        QVERIFY(s.archive().isEmpty());
    }

    void savingRightAfterOpeningStopsAtTheNumber() {
        ScreenFixture s;
        s.click("cmdSalva");
        QCOMPARE(
            s.takeMessages().value(0).text,
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il numero progressivo "
                           "della ricevuta."));
    }

    void saveNormalisesTheAmountAndAppendsThenOverwrites() {
        ScreenFixture s;
        s.fill();
        s.field("txtCents")->setText(QStringLiteral("5"));
        s.click("cmdSalva");
        QCOMPARE(
            s.takeMessages(),
            (QList<FakePlatform::Shown>{
                {Box::Information, QStringLiteral("La scheda corrente è stata inserita in archivio.")}}));
        QCOMPARE(s.position(), QStringLiteral("1"));
        QCOMPARE(s.text("txtImporto"), QStringLiteral("0"));
        QCOMPARE(s.text("txtCentLettere"), QStringLiteral("50"));
        TSchedaRicevuta stored = s.archive().value(0);
        QCOMPARE(stored.ImportoEuro, QStringLiteral("0"));
        QCOMPARE(stored.ImportoCentesimi, QStringLiteral("50"));
        QCOMPARE(stored.ImportoTotale, QStringLiteral("0,50"));
        QCOMPARE(stored.ImportoLettere, QString()); // the save does not write the words
        QCOMPARE(stored.Pagatore, QStringLiteral("Rossi Mario"));
        QCOMPARE(stored.DataRicevuta, QStringLiteral("05/03/2024"));

        s.type("txtImporto", QStringLiteral("28"));
        s.click("cmdSalva");
        QCOMPARE(
            s.takeMessages().value(0).text,
            QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        QCOMPARE(s.archive().size(), 1);
        stored = s.archive().value(0);
        QCOMPARE(stored.ImportoTotale, QStringLiteral("028,50"));
        QCOMPARE(stored.ImportoLettere, QStringLiteral("VENTIOTTO"));
    }

    void amountBoxesWriteTheWords() {
        ScreenFixture s;
        s.type("txtImporto", QStringLiteral("00120"));
        QCOMPARE(s.text("txtImpLettere"), QStringLiteral("CENTOVENTI"));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(s.field("txtImporto"), Qt::Key_Backspace);
        QCOMPARE(s.text("txtImpLettere"), QString());
        QTest::keyClicks(s.field("txtImporto"), QStringLiteral("1a,2"));
        QCOMPARE(s.text("txtImporto"), QStringLiteral("12"));
        QCOMPARE(s.text("txtImpLettere"), QStringLiteral("DODICI"));

        s.field("txtCents")->clear();
        s.type("txtCents", QStringLiteral("5"));
        QCOMPARE(s.text("txtCentLettere"), QStringLiteral("5"));
        QTest::keyClick(s.field("txtCents"), Qt::Key_Return); // leaving the box
        QCOMPARE(s.text("txtCents"), QStringLiteral("50"));
        QCOMPARE(s.text("txtCentLettere"), QStringLiteral("50"));
        // The way of payment follows the amount.
        QCOMPARE(QApplication::focusWidget(), s.screen.findChild<QWidget*>("cboPagamento"));
    }

    void pastedAmountFillsEurosAndCents_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("euros");
        QTest::addColumn<QString>("cents");
        // clang-format off
        QTest::newRow("thousands and cents") << "1.234,50"   << "1234" << "50";
        QTest::newRow("euro sign, one digit") << "€ 1.234,5" << "1234" << "50";
        QTest::newRow("decimal point")       << "12.05"     << "12"   << "05";
        QTest::newRow("comma")               << "1,5"       << "1"    << "50";
        QTest::newRow("no amount: digits")   << "1,5abc"    << "15"   << "00";
        QTest::newRow("no digits")           << "abc"       << ""     << "00";
        // clang-format on
    }
    void pastedAmountFillsEurosAndCents() {
        QFETCH(QString, pasted);
        ScreenFixture s;
        s.field("txtImporto")->setFocus();
        QGuiApplication::clipboard()->setText(pasted);
        QTest::sendKeyEvent(QTest::Click, s.field("txtImporto"), Qt::Key_V, QString(QChar(0x16)),
                            Qt::ControlModifier);
        QTEST(s.text("txtImporto"), "euros");
        QTEST(s.text("txtCents"), "cents");
        QTEST(s.text("txtCentLettere"), "cents");
        const QString euros = s.text("txtImporto");
        QCOMPARE(s.text("txtImpLettere"),
                 euros.isEmpty() ? QString() : ImportoInLettere(*Currency::parse(euros)));
    }

    // An assistive tool, drag and drop or an input method set the boxes without typing.
    void amountSetWithoutTypingIsSavedAsTypingWouldGiveIt_data() {
        QTest::addColumn<QString>("euros");
        QTest::addColumn<QString>("cents");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("words");
        // clang-format off
        QTest::newRow("letters")        << "1,5abc"   << "00" << "15,00"   << "QUINDICI";
        QTest::newRow("an amount")      << "1.234,50" << "00" << "1234,50" << "MILLEDUECENTOTRENTAQUATTRO";
        QTest::newRow("cents with a sign") << "7"     << "5%" << "7,50"    << "";
        // clang-format on
    }
    void amountSetWithoutTypingIsSavedAsTypingWouldGiveIt() {
        QFETCH(QString, euros);
        QFETCH(QString, cents);
        ScreenFixture s;
        s.fill();
        s.field("txtImporto")->setText(euros);
        s.field("txtCents")->setText(cents);
        s.click("cmdSalva");
        QCOMPARE(s.takeMessages().value(0).kind, Box::Information);
        const TSchedaRicevuta stored = s.archive().value(0);
        QTEST(stored.ImportoTotale, "total");
        QTEST(stored.ImportoLettere, "words");
        QCOMPARE(stored.ImportoEuro + u',' + stored.ImportoCentesimi, stored.ImportoTotale);
        QCOMPARE(stored.CentesimiLettere, stored.ImportoCentesimi);
        // The screen shows what was saved.
        QCOMPARE(s.text("txtIntero"), stored.ImportoTotale);
        QCOMPARE(s.text("txtImporto"), stored.ImportoEuro);
    }

    void proposedNumberTakenMeanwhileMovesOnToTheNextFree() {
        ScreenFixture s;
        s.click("cmdNuovo");
        QCOMPARE(s.text("txtNumRic"), QStringLiteral("1"));
        // Another workstation saves two receipts meanwhile, the second numbered by hand.
        s.seed({receipt(QStringLiteral("1")), receipt(QStringLiteral("2"))});
        s.fill();
        s.field("txtNumRic")->setText(QStringLiteral("1"));
        s.click("cmdSalva");
        QCOMPARE(
            s.takeMessages(),
            (QList<FakePlatform::Shown>{
                {Box::Warning, QStringLiteral("Attenzione: il numero 1 è già stato usato da un'altra "
                                              "postazione. La ricevuta sarà salvata con il numero 3.")},
                {Box::Information, QStringLiteral("La scheda corrente è stata inserita in archivio.")}}));
        QCOMPARE(s.archive().value(2).NumeroRicevuta, QStringLiteral("3"));
        QCOMPARE(s.text("txtNumRic"), QStringLiteral("3"));
        QCOMPARE(s.position(), QStringLiteral("3"));
        // Saved again, it keeps its own number.
        s.click("cmdSalva");
        QCOMPARE(s.takeMessages().value(0).kind, Box::Information);
        QCOMPARE(s.archive().size(), 3);
    }

    void numberOfAnotherReceiptIsRefused() {
        ScreenFixture s;
        // Two old receipts that share a number, as saved before numbers were checked.
        s.seed({receipt(QStringLiteral("1")), receipt(QStringLiteral("5")), receipt(QStringLiteral("5"))});
        const QString taken =
            QStringLiteral("Attenzione: il numero 5 è già stato usato per un'altra ricevuta "
                           "dell'archivio.\n\r\n\rPer poter salvare la scheda è "
                           "necessario indicare un numero diverso.");
        // Typed on a new receipt: nothing is saved.
        s.fill();
        s.field("txtNumRic")->setText(QStringLiteral(" 5 "));
        s.click("cmdSalva");
        QCOMPARE(s.takeMessages(), (QList<FakePlatform::Shown>{{Box::Warning, taken}}));
        QCOMPARE(QApplication::focusWidget(), s.field("txtNumRic"));
        QCOMPARE(s.archive().size(), 3);
        QCOMPARE(s.position(), QString());
        s.field("txtNumRic")->setText(QStringLiteral("6"));
        s.click("cmdSalva");
        QCOMPARE(s.takeMessages().value(0).kind, Box::Information);
        QCOMPARE(s.archive().value(3).NumeroRicevuta, QStringLiteral("6"));

        // A stored receipt keeps its own number, even one an older receipt shares...
        s.click("cmdPrimo");
        s.click("cmdAvanti");
        s.field("txtPagatore")->setText(QStringLiteral("Bianchi Anna"));
        s.click("cmdSalva");
        QCOMPARE(s.takeMessages().value(0).kind, Box::Information);
        QCOMPARE(s.archive().value(1).Pagatore, QStringLiteral("Bianchi Anna"));
        // ...but takes no other receipt's number.
        s.click("cmdPrimo");
        s.field("txtNumRic")->setText(QStringLiteral("5"));
        s.click("cmdSalva");
        QCOMPARE(s.takeMessages(), (QList<FakePlatform::Shown>{{Box::Warning, taken}}));
        QCOMPARE(s.archive().value(0).NumeroRicevuta, QStringLiteral("1"));
    }

    // Two workstations issuing receipts into one archive at once, each as a process of its own.
    void twoWorkstationsNeverShareANumber() {
        ReceiptFolder f;
        const QString writer = QCoreApplication::applicationDirPath() + QStringLiteral("/receipt_writer");
        QProcess first;
        QProcess second;
        for (QProcess* p : {&first, &second})
            p->start(writer, {f.folder.path(), QStringLiteral("200")});
        for (QProcess* p : {&first, &second}) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QCOMPARE(p->exitCode(), 0);
        }
        QSet<QString> numbers;
        for (const TSchedaRicevuta& r : f.archive())
            numbers.insert(r.NumeroRicevuta);
        // Each receipt's way of payment sits beside it, whichever workstation saved it.
        const QByteArray companion = f.folder.read(QStringLiteral("2024_Extra.ric"));
        QCOMPARE(companion.size(), f.archive().size() * TSchedaRicevutaExtra::Size);
        for (int p = 1; p <= f.archive().size(); ++p)
            QCOMPARE(ReceiptCompanion::load(f.path(), p).MetodoPagamento, QStringLiteral("Contanti"));
        QCOMPARE(f.archive().size(), 400);
        QCOMPARE(numbers.size(), 400);
    }

    void dateOutsideTheArchiveYearIsAskedAbout_data() {
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void dateOutsideTheArchiveYearIsAskedAbout() {
        QFETCH(bool, answer);
        ScreenFixture s;
        s.fill();
        s.field("txtData")->setText(QStringLiteral("11/12/2023"));
        s.fake->answers.enqueue(answer);
        s.click("cmdSalva");
        QCOMPARE(s.fake->questions, QStringList({"Attenzione: la data della ricevuta non appartiene "
                                                 "all'anno dell'archivio (2024). Salvare comunque?"}));
        QCOMPARE(s.archive().size(), int(answer));
        if (answer) {
            QCOMPARE(s.archive().value(0).DataRicevuta, QStringLiteral("11/12/2023"));
            QCOMPARE(s.position(), QStringLiteral("1"));
            return;
        }
        QVERIFY(s.takeMessages().isEmpty());
        QCOMPARE(s.position(), QString());
        QCOMPARE(s.text("txtData"), QStringLiteral("11/12/2023"));
        // As it was: the amount was not normalised for a save that did not happen.
        QCOMPARE(s.text("txtImporto"), QString());
        QCOMPARE(s.text("txtIntero"), QString());
        QCOMPARE(QApplication::focusWidget(), s.field("txtData"));
    }

    void clickingTheWordsTellsWhereToTypeTheAmount() {
        ScreenFixture s;
        QTest::mouseClick(s.screen.findChild<QWidget*>("bkgLettere"), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(s.takeMessages(), (QList<FakePlatform::Shown>{{Box::Information, kWordsHint}}));
        QCOMPARE(QApplication::focusWidget(), s.field("txtImporto"));
    }

    void duplicateLeavesACopyToNumber() {
        ScreenFixture s;
        s.click("cmdDuplica");
        QCOMPARE(s.takeMessages(),
                 (QList<FakePlatform::Shown>{
                     {Box::Warning,
                      QStringLiteral("Attenzione: questa funzione serve a duplicare una ricevuta che è "
                                     "già stata salvata in archivio.\n\r\n\rVisualizzare la ricevuta "
                                     "da duplicare e fare clic sul pulsante Duplica.")}}));

        s.seed({receipt(QStringLiteral("1"))});
        s.fake->date = QDate(2024, 4, 2);
        s.click("cmdUltimo");
        s.click("cmdDuplica");
        QCOMPARE(s.takeMessages(),
                 (QList<FakePlatform::Shown>{
                     {Box::Information,
                      QStringLiteral("E' ora possibile apportare le proprie modifiche alla ricevuta "
                                     "corrente.\n\r\n\rAl termine premere Salva per registrare i "
                                     "dati in archivio.")}}));
        QCOMPARE(s.position(), QString());
        QCOMPARE(s.text("txtNumRic"), QString());
        QCOMPARE(s.text("txtData"), QStringLiteral("02/04/2024"));
        QCOMPARE(s.text("txtPagatore"), QStringLiteral("Rossi Mario"));
        QCOMPARE(s.text("txtImpLettere"), QStringLiteral("CENTOVENTI"));
        QCOMPARE(QApplication::focusWidget(), s.field("txtNumRic"));
        s.type("txtNumRic", QStringLiteral("2"));
        // The receipt copied was saved before its way of payment was kept: the copy needs one.
        s.setMethod(QStringLiteral("Contanti"));
        s.click("cmdSalva");
        QCOMPARE(s.position(), QStringLiteral("2"));
        const QList<TSchedaRicevuta> archive = s.archive();
        QCOMPARE(archive.size(), 2);
        QCOMPARE(archive[0].NumeroRicevuta, QStringLiteral("1"));
        QCOMPARE(archive[0].DataRicevuta, QStringLiteral("05/03/2024"));
        QCOMPARE(archive[1].NumeroRicevuta, QStringLiteral("2"));
        QCOMPARE(archive[1].DataRicevuta, QStringLiteral("02/04/2024"));
        QCOMPARE(archive[1].ImportoTotale, QStringLiteral("120,50"));
    }

    void browsingShowsStoredTextsWithTheReceiptsWording() {
        ScreenFixture s;
        s.click("cmdPrimo");
        QCOMPARE(s.takeMessages(),
                 (QList<FakePlatform::Shown>{
                     {Box::Information, QStringLiteral("L'archivio non contiene nessuna ricevuta.")}}));
        TSchedaRicevuta odd = receipt(QStringLiteral("2"));
        odd.ImportoLettere = QStringLiteral("SCRITTO A MANO");
        odd.Ricevente1 = QStringLiteral("Palestra Sole");
        s.seed({receipt(QStringLiteral("1")), odd});
        s.click("cmdAvanti");
        QCOMPARE(s.position(), QStringLiteral("1"));
        s.click("cmdUltimo");
        QCOMPARE(s.position(), QStringLiteral("2"));
        QCOMPARE(s.text("txtImpLettere"), QStringLiteral("SCRITTO A MANO"));
        QCOMPARE(s.text("txtRicevente01"), QStringLiteral("Palestra Sole"));
        QCOMPARE(s.text("txtIntero"), QStringLiteral("120,50"));
        QVERIFY(s.takeMessages().isEmpty());
    }

    void archiveFailuresUseTheBoxOfEachCommand_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("box");
        // clang-format off
        QTest::newRow("first") << "cmdPrimo" << int(Box::Warning);
        QTest::newRow("previous") << "cmdIndietro" << int(Box::Error);
        QTest::newRow("next") << "cmdAvanti" << int(Box::Error);
        QTest::newRow("last") << "cmdUltimo" << int(Box::Error);
        QTest::newRow("new") << "cmdNuovo" << int(Box::Error);
        QTest::newRow("save") << "cmdSalva" << int(Box::Warning);
        // clang-format on
    }
    void archiveFailuresUseTheBoxOfEachCommand() {
        QFETCH(QString, command);
        QFETCH(int, box);
        ScreenFixture s;
        s.fill();
        QVERIFY(
            QDir(s.folder.path()).mkdir(QStringLiteral("2024.ric"))); // a folder where the archive should be
        s.click(command.toLatin1());
        QCOMPARE(s.takeMessages(), (QList<FakePlatform::Shown>{{Box(box), ArchiveMessages::kFailure}}));
        QCOMPARE(s.text("txtPagatore"), QStringLiteral("Rossi Mario"));
    }

    void duplicateOnAnUnwritableArchiveKeepsTheReceiptWithoutItsPosition() {
        ScreenFixture s;
        s.seed({receipt(QStringLiteral("1"))});
        s.click("cmdPrimo");
        QFile::remove(s.path());
        QVERIFY(QDir(s.folder.path()).mkdir(QStringLiteral("2024.ric")));
        s.click("cmdDuplica");
        QCOMPARE(s.takeMessages(), (QList<FakePlatform::Shown>{{Box::Error, ArchiveMessages::kFailure}}));
        QCOMPARE(s.position(), QString());
        QCOMPARE(s.text("txtNumRic"), QStringLiteral("1"));
    }

    void payeeLinesAreKeptFromOneVisitToTheNext() {
        ScreenFixture s;
        s.seed({receipt(QStringLiteral("1"))});
        s.click("cmdPrimo"); // the payee lines of the receipt shown are the ones kept
        s.field("txtRicevente02")->setText(QStringLiteral("  Via del Mare 3 "));
        s.screen.close();
        QCOMPARE(ReceiptSettings::payeeLines(),
                 (ReceiptSettings::PayeeLines{QStringLiteral("A.S.D. Delfini"),
                                              QStringLiteral("Via del Mare 3")}));
        s.field("txtRicevente01")->clear();
        s.reopen();
        QCOMPARE(s.text("txtRicevente01"), QStringLiteral("A.S.D. Delfini"));
        QCOMPARE(s.text("txtRicevente02"), QStringLiteral("Via del Mare 3"));
        QCOMPARE(s.position(), QString());
    }

    void payeeLinesThatCannotBeSavedAreReported() {
        ScreenFixture s;
        QVERIFY(QDir(s.folder.path()).mkdir(ReceiptSettings::kFileName));
        s.field("txtRicevente01")->setText(QStringLiteral("A.S.D. Delfini"));
        s.screen.close();
        QCOMPARE(s.takeMessages().value(0).kind, Box::Warning);
        QVERIFY(!s.screen.isVisible());
    }

    void importedMemberFillsPayerAndPractitionerOnly() {
        ScreenFixture s;
        s.seed({receipt(QStringLiteral("1"))});
        s.click("cmdPrimo");
        TSchedaIscritto m;
        m.CognomeNome = QStringLiteral("Bianchi Anna");
        m.CodiceFiscale = QStringLiteral("BNCNNA80A41H501X");
        m.AttivitaSportiva = QStringLiteral("Tennis");
        m.Praticante = QStringLiteral("Bianchi Sara");
        m.LuogoNascitaPraticante = QStringLiteral("Forlì");
        m.DataNascitaPraticante = QStringLiteral("03/04/2016");
        m.IndirizzoPraticante = QStringLiteral("Via Emilia 9");
        m.Citta = QStringLiteral("Cesena");
        QFile members(TSchedaIscritto::path());
        QVERIFY(members.open(QIODevice::WriteOnly));
        members.write(MemberCodec::encode(m));
        members.close();
        QString key;
        inspectNextModal([&key](QWidget* search) {
            key = search->findChild<QLabel*>("lblMemory")->text();
            QTest::mouseClick(search->findChild<QPushButton*>("btnCerca"), Qt::LeftButton);
            auto* list = search->findChild<QListView*>("lstRecords");
            list->setCurrentIndex(list->model()->index(0, 0));
            QTest::keyClick(list, Qt::Key_Return);
        });
        s.click("impPagatore");
        QCOMPARE(key, QStringLiteral("ricevuta"));
        QCOMPARE(s.text("txtPagatore"), QStringLiteral("Bianchi Anna"));
        QCOMPARE(s.text("txtCodFisc"), QStringLiteral("BNCNNA80A41H501X"));
        QCOMPARE(s.text("txtSport"), QStringLiteral("Tennis"));
        QCOMPARE(s.text("txtPraticante"), QStringLiteral("Bianchi Sara"));
        QCOMPARE(s.text("txtLuogoNasc"), QString::fromUtf8("Forlì"));
        QCOMPARE(s.text("txtDataNasc"), QStringLiteral("03/04/2016"));
        QCOMPARE(s.text("txtIndirizzo"), QStringLiteral("Via Emilia 9"));
        QCOMPARE(s.text("txtNumRic"), QStringLiteral("1"));
        QCOMPARE(s.position(), QStringLiteral("1"));
        s.click("cmdSalva");
        QCOMPARE(s.archive().size(), 1);
        QCOMPARE(s.archive()[0].Pagatore, QStringLiteral("Bianchi Anna"));
    }

    void datesComeFromThePicker() {
        ScreenFixture s;
        inspectNextModal([](QWidget* picker) {
            QCOMPARE(picker->findChild<QLabel*>("lblMemory")->text(), QStringLiteral("dal"));
            QTest::mouseClick(picker->findChild<QPushButton*>("btnImportaData"), Qt::LeftButton);
        });
        s.type("txtDal", QStringLiteral("x"));
        QCOMPARE(s.text("txtDal"), QStringLiteral("05/03/2024"));
        QTest::keyClick(s.field("txtDal"), Qt::Key_Backspace);
        QCOMPARE(s.text("txtDal"), QString());
    }

    void codeCheckTakesAnAllDigitCodeForAVatNumber() {
        ScreenFixture s;
        s.field("txtCodFisc")->setText(QStringLiteral("12345670587"));
        QString opened;
        inspectNextModal([&opened](QWidget* check) { opened = check->objectName(); });
        s.click("btnCodFisc");
        QCOMPARE(opened, QStringLiteral("frmPartitaIva"));
    }

    void guideShowsTheReceiptsPage() {
        ScreenFixture s;
        QString title, text;
        inspectNextModal([&](QWidget* guide) {
            title = guide->findChild<QLabel*>("lblTitolo")->text();
            text = guide->findChild<QPlainTextEdit*>("txtGuida")->toPlainText();
        });
        s.click("cmdGuida");
        QCOMPARE(title, QStringLiteral("App Stampa Ricevute"));
        const QStringList paragraphs = text.split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 11);
        QVERIFY(paragraphs[0].startsWith(QStringLiteral("L'app Stampa Ricevute permette la compilazione")));
        QVERIFY(paragraphs[10].endsWith(QStringLiteral("può essere esportato in un file di Excel.")));
    }

    void screenReaderReadsTheWordsAndNamesTheLinesWithoutCaption() {
        ScreenFixture s;
        s.type("txtImporto", QStringLiteral("120"));
        QAccessibleInterface* words =
            QAccessible::queryAccessibleInterface(s.screen.findChild<QWidget*>("txtImpLettere"));
        QCOMPARE(words->text(QAccessible::Name), QStringLiteral("CENTOVENTI"));
        QCOMPARE(words->text(QAccessible::Description), QStringLiteral("Importo in lettere"));
        // A field without a caption of its own is named all the same.
        QCOMPARE(QAccessible::queryAccessibleInterface(s.field("txtCents"))->text(QAccessible::Name),
                 QStringLiteral("Centesimi"));
    }

    void aNewReceiptNeedsItsWayOfPaymentAndCashOfAThousandIsAskedAbout() {
        ScreenFixture s;
        s.click("cmdNuovo");
        s.fill();
        s.setMethod(QString());
        s.click("cmdSalva");
        QCOMPARE(s.takeMessages(),
                 (QList<FakePlatform::Shown>{
                     {Box::Warning, QStringLiteral("Attenzione: indicare il metodo di pagamento.")}}));
        QCOMPARE(QApplication::focusWidget(), s.screen.findChild<QWidget*>("cboPagamento"));
        QVERIFY(s.archive().isEmpty());

        const QString question = QStringLiteral(
            "Attenzione: per le associazioni sportive dilettantistiche gli incassi di importo pari o "
            "superiore "
            "a 1.000 euro devono avvenire con mezzi tracciabili. Salvare comunque la ricevuta?");
        s.setMethod(QStringLiteral("Contanti"));
        s.field("txtImporto")->setText(QStringLiteral("1200"));
        s.field("txtCents")->setText(QStringLiteral("00"));
        s.field("txtDataNasc")->setText(QStringLiteral("1990"));
        s.fake->answers.enqueue(false);
        s.click("cmdSalva");
        QCOMPARE(s.fake->questions, QStringList{question});
        QVERIFY(s.archive().isEmpty());

        s.click("cmdSalva");
        QCOMPARE(s.fake->questions.size(), 2);
        QCOMPARE(s.archive().size(), 1);
        QCOMPARE(ReceiptCompanion::load(s.path(), 1).MetodoPagamento, QStringLiteral("Contanti"));
        // The receipt's own record is byte for byte what it was before ways of payment were kept.
        QCOMPARE(s.folder.read(QStringLiteral("2024.ric")), ReceiptCodec::encode(s.screen.record()));

        // 999,99 in cash and 1.200,00 by transfer are not asked about.
        s.takeMessages();
        s.click("cmdNuovo");
        s.fill();
        s.field("txtNumRic")->setText(QStringLiteral("8"));
        s.setMethod(QStringLiteral("Contanti"));
        s.field("txtImporto")->setText(QStringLiteral("999"));
        s.field("txtCents")->setText(QStringLiteral("99"));
        s.click("cmdSalva");
        s.click("cmdNuovo");
        s.fill();
        s.field("txtNumRic")->setText(QStringLiteral("9"));
        s.field("txtImporto")->setText(QStringLiteral("1200"));
        s.click("cmdSalva");
        QCOMPARE(s.fake->questions.size(), 2);
        QCOMPARE(s.archive().size(), 3);
    }

    void cashForAYoungPractitionerTellsOfTheLostDeduction_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("born");
        QTest::addColumn<bool>("told");
        QTest::newRow("five in the year") << "Contanti"
                                          << "31/12/2019" << true;
        QTest::newRow("eighteen in the year") << "Contanti"
                                              << "01/01/2006" << true;
        QTest::newRow("four") << "Contanti"
                              << "01/01/2020" << false;
        QTest::newRow("nineteen") << "Contanti"
                                  << "31/12/2005" << false;
        QTest::newRow("no date") << "Contanti"
                                 << "2015" << false;
        QTest::newRow("by card") << "Carta di debito, credito o prepagata"
                                 << "02/02/2015" << false;
    }
    void cashForAYoungPractitionerTellsOfTheLostDeduction() {
        QFETCH(QString, method);
        QFETCH(QString, born);
        QFETCH(bool, told);
        ScreenFixture s;
        s.click("cmdNuovo");
        s.fill();
        s.setMethod(method);
        s.field("txtDataNasc")->setText(born);
        s.click("cmdSalva");
        const QList<FakePlatform::Shown> shown = s.takeMessages();
        const FakePlatform::Shown tell{
            Box::Information,
            QStringLiteral(
                "Il pagamento in contanti non consente la detrazione delle spese sportive dei ragazzi.")};
        QCOMPARE(shown.contains(tell), told);
        QCOMPARE(s.archive().size(), 1);
    }

    void receiptsSavedBeforeKeepAnEmptyWay() {
        ScreenFixture s;
        s.seed({receipt(QStringLiteral("1"))});
        s.click("cmdPrimo");
        QCOMPARE(s.text("cboPagamento"), QString());
        s.field("txtPagatore")->setText(QStringLiteral("Bianchi Anna"));
        s.click("cmdSalva");
        QCOMPARE(s.takeMessages().value(0).kind, Box::Information);
        QCOMPARE(s.archive().value(0).Pagatore, QStringLiteral("Bianchi Anna"));
        QVERIFY(s.folder.read(QStringLiteral("2024_Extra.ric")).isEmpty());
    }

    void aCancelledReceiptIsMarkedKeepsItsNumberAndCannotChange() {
        ScreenFixture s;
        s.seed({receipt(QStringLiteral("1")), receipt(QStringLiteral("2"))});
        s.click("cmdUltimo");
        auto* mark = s.screen.findChild<QLabel*>("lblAnnullata");
        QVERIFY(!mark->isVisible());
        // Cancelling the reason's box changes nothing; an empty reason is asked for.
        s.fake->inputs.enqueue(std::nullopt);
        s.click("cmdAnnullaRic");
        s.fake->inputs.enqueue(QStringLiteral("  "));
        s.click("cmdAnnullaRic");
        QCOMPARE(s.takeMessages(), (QList<FakePlatform::Shown>{
                                       {Box::Warning, QStringLiteral("Attenzione: per annullare la ricevuta "
                                                                     "è necessario indicarne il motivo.")}}));
        QVERIFY(!ReceiptCompanion::load(s.path(), 2).cancelled());

        s.fake->date = QDate(2024, 5, 6);
        s.fake->inputs.enqueue(QStringLiteral("Importo errato"));
        s.click("cmdAnnullaRic");
        QCOMPARE(s.takeMessages(),
                 (QList<FakePlatform::Shown>{
                     {Box::Information, QStringLiteral("La ricevuta n. 2 è stata annullata.")}}));
        const TSchedaRicevutaExtra stored = ReceiptCompanion::load(s.path(), 2);
        QVERIFY(stored.cancelled());
        QCOMPARE(stored.DataAnnullamento, QStringLiteral("06/05/2024"));
        QCOMPARE(stored.MotivoAnnullamento, QStringLiteral("Importo errato"));
        QVERIFY(mark->isVisible());
        QVERIFY(!s.screen.findChild<QWidget*>("panRicevuta")->isEnabled());
        QVERIFY(!s.screen.findChild<QToolButton*>("cmdSalva")->isEnabled());

        // Browsing shows the mark on that receipt only.
        s.click("cmdPrimo");
        QVERIFY(!mark->isVisible());
        QVERIFY(s.screen.findChild<QToolButton*>("cmdSalva")->isEnabled());
        s.click("cmdUltimo");
        QVERIFY(mark->isVisible());
        // Its number is never given again: the next one follows it.
        s.click("cmdNuovo");
        QVERIFY(!mark->isVisible());
        QCOMPARE(s.text("txtNumRic"), QStringLiteral("3"));
        s.fill();
        s.field("txtNumRic")->setText(QStringLiteral("2"));
        s.click("cmdSalva");
        QCOMPARE(s.archive().size(), 2);
        s.takeMessages();
    }

    void aReceiptCancelledMeanwhileOnAnotherWorkstationIsNotSaved() {
        ScreenFixture s;
        s.seed({receipt(QStringLiteral("1"))});
        s.click("cmdPrimo");
        ReceiptCompanion::cancel(s.path(), 1, QStringLiteral("Doppia"), QDate(2024, 5, 6));
        s.field("txtPagatore")->setText(QStringLiteral("Bianchi Anna"));
        s.click("cmdSalva");
        QCOMPARE(s.takeMessages(),
                 (QList<FakePlatform::Shown>{
                     {Box::Warning, QStringLiteral("Attenzione: la ricevuta è stata annullata "
                                                   "e non può più essere modificata.")}}));
        QCOMPARE(s.archive().value(0).Pagatore, QStringLiteral("Rossi Mario"));
        QVERIFY(s.screen.findChild<QLabel*>("lblAnnullata")->isVisible());
    }
};

ZANDORIO_TEST(ReceiptScreenTest)
#include "tst_receipt_screen.moc"
