#include "TestMain.h"
#include "TrainingFixture.h"
#include "app/ArchiveMessages.h"
#include "app/GeneralGuide.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmTrovaTiratori.h"

#include <QCheckBox>
#include <QFrame>
#include <QListView>
#include <QPushButton>

namespace {

using Box = Platform::Box;
using R = TSchedaAllenamento;

QString overCapacity(const char* field, int capacity, int length) {
    return QStringLiteral(
               "Attenzione: hai superato la capienza massima del campo di testo %1 che consente di "
               "memorizzare non più di %2 caratteri.\n\r\n\rAttualmente hai inserito %3 caratteri. "
               "Quelli in eccesso non saranno salvati.")
        .arg(QLatin1String(field))
        .arg(capacity)
        .arg(length);
}

const FakePlatform::Shown kAppended{Box::Information,
                                    QStringLiteral("La scheda corrente è stata inserita in archivio.")};
const FakePlatform::Shown kOverwritten{
    Box::Information,
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")};

} // namespace

class TrainingScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sectionsSwitchWithTheirColours() {
        TrainingFixture f;
        const auto colourOf = [&f](const char* background) {
            return f.find<QFrame>(background)->palette().color(QPalette::Window).rgba();
        };
        QCOMPARE(f.shownSection(), QStringLiteral("panProgramma"));
        QCOMPARE(QApplication::focusWidget(), f.field("txtAllenamento"));
        QCOMPARE(colourOf("bkgProgramma"), 0xFFDC143Cu);
        QCOMPARE(colourOf("bkgPartecipanti"), 0xFFFFFFFFu);

        f.click("btnPartecipanti");
        QCOMPARE(f.shownSection(), QStringLiteral("panPartecipanti"));
        QCOMPARE(QApplication::focusWidget(), f.field("txtTesserato"));
        QCOMPARE(colourOf("bkgProgramma"), 0xFFFFFFFFu);
        QCOMPARE(colourOf("bkgPartecipanti"), 0xFFDC143Cu);

        f.click("icoAttivita");
        QCOMPARE(f.shownSection(), QStringLiteral("panAttivita"));
        QCOMPARE(QApplication::focusWidget(), f.memo("txtRiscaldamento"));
        QVERIFY(!f.find("panProgramma")->isVisible());
        QCOMPARE(colourOf("bkgAttivita"), 0xFFDC143Cu);
    }

    void enterWalksEachSection() {
        TrainingFixture f;
        // Enter in a long text moves on without breaking its line.
        f.memo("txtDieta")->setFocus();
        QTest::keyClick(f.memo("txtDieta"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.field("txtIstruttore"));
        QVERIFY(f.memo("txtDieta")->toPlainText().isEmpty());
        QTest::keyClick(f.field("txtIstruttore"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.field("txtAllenamento"));

        // Shift+Enter there starts a new line, and every long text says so on the status line.
        f.memo("txtDieta")->setFocus();
        QTest::keyClicks(f.memo("txtDieta"), "Colazione");
        QTest::keyClick(f.memo("txtDieta"), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(f.memo("txtDieta"), "Pranzo");
        QCOMPARE(f.memo("txtDieta")->toPlainText(), QStringLiteral("Colazione\nPranzo"));
        QCOMPARE(QApplication::focusWidget(), f.memo("txtDieta"));
        for (const char* memo : {"txtDieta", "txtRiscaldamento", "txtEsercizi", "txtStretching"}) {
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(f.memo(memo), &enter);
            QCOMPARE(f.find<QLabel>("panInfo")->text(),
                     QStringLiteral("Premi Maiusc+Invio o Ctrl+Invio per andare a capo, "
                                    "Invio per passare al campo successivo."));
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(f.memo(memo), &leave);
        }

        f.click("btnPartecipanti");
        f.field("txtRisultati")->setFocus();
        QTest::keyClick(f.field("txtRisultati"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.field("txtTesserato"));
    }

    void saveChecksInOrder_data() {
        QTest::addColumn<int>("filled"); // how many of the five mandatory fields are filled, in order
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("focus");
        // clang-format off
        QTest::newRow("name") << 0 << "Attenzione: per salvare la scheda è necessario indicare il nome dell'allenamento." << "panProgramma" << "txtAllenamento";
        QTest::newRow("start") << 1 << "Attenzione: per salvare la scheda è necessario indicare la data di inizio allenamento." << "panProgramma" << "txtData";
        QTest::newRow("end") << 2 << "Attenzione: per salvare la scheda è necessario indicare la data di fine allenamento." << "panProgramma" << "txtDataFine";
        QTest::newRow("member") << 3 << "Attenzione: per salvare la scheda è necessario indicare il nome dell'iscritto." << "panPartecipanti" << "txtTesserato";
        QTest::newRow("mobile") << 4 << "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare dell'iscritto." << "panPartecipanti" << "txtRecapito";
        // clang-format on
    }
    void saveChecksInOrder() {
        QFETCH(int, filled);
        QFETCH(QString, warning);
        QFETCH(QString, section);
        QFETCH(QString, focus);
        TrainingFixture f;
        f.fillMandatory();
        const char* mandatory[] = {"txtAllenamento", "txtData", "txtDataFine", "txtTesserato", "txtRecapito"};
        for (int i = filled; i < 5; ++i)
            f.field(mandatory[i])->setText(QStringLiteral("   "));
        f.click("btnAttivita");
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(), (QList<FakePlatform::Shown>{{Box::Warning, warning}}));
        QCOMPARE(f.shownSection(), section);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(f.count(), 0);
    }

    void saveAppendsThenOverwritesTheCardAsTyped() {
        TrainingFixture f;
        f.fillMandatory();
        f.field("txtAllenamento")->setText(QStringLiteral("  Forza  "));
        f.find<QCheckBox>("chkSpalle")->setChecked(true);
        f.find<QCheckBox>("chkAddominali")->setChecked(true);
        f.memo("txtEsercizi")->setPlainText(QStringLiteral("Panca 3x10\nSquat 4x8"));
        // An end date before the start is accepted: the dates are not compared.
        f.field("txtDataFine")->setText(QStringLiteral("01/01/2024"));
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(), QList<FakePlatform::Shown>{kAppended});
        QCOMPARE(f.position(), QStringLiteral("1"));
        QCOMPARE(f.find<QLabel>("txtMuscoli")->text(), QStringLiteral("Addominali Spalle"));

        const QByteArray bytes = f.record(1);
        QCOMPARE(bytes.mid(0, 10), QByteArray("  Forza  \0", 10));
        QCOMPARE(bytes.mid(2488, 3), QByteArray("S\xEC\0", 3));
        QCOMPARE(bytes.mid(2491, 3), QByteArray("No\0", 3));
        QCOMPARE(bytes.mid(2524, 18), QByteArray("Addominali Spalle\0", 18));
        QCOMPARE(bytes.mid(5514, 22), QByteArray("Panca 3x10\r\nSquat 4x8\0", 22));

        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(), QList<FakePlatform::Shown>{kOverwritten});
        f.click("cmdNuovo");
        QVERIFY(f.position().isEmpty());
        QVERIFY(!f.find<QCheckBox>("chkSpalle")->isChecked());
        f.fillMandatory();
        f.click("cmdSalva");
        QCOMPARE(f.position(), QStringLiteral("2"));
        QCOMPARE(f.count(), 2);
    }

    void overCapacityTextsWarnAndAreCut() {
        TrainingFixture f;
        f.fillMandatory();
        f.memo("txtEsercizi")->setPlainText(QString(4500, u'e'));
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(), (QList<FakePlatform::Shown>{
                                       {Box::Warning, overCapacity("Esercizi", 4000, 4500)}, kAppended}));
        QCOMPARE(f.shownSection(), QStringLiteral("panAttivita"));
        QCOMPARE(f.memo("txtEsercizi")->toPlainText().size(), 4500);
        QCOMPARE(f.card(1).Esercizi, QString(4000, u'e'));
        f.click("cmdUltimo");
        QCOMPARE(f.memo("txtEsercizi")->toPlainText().size(), 4000);

        // Line breaks count as the file stores them, CR LF, and a cut never splits them.
        f.click("cmdNuovo");
        f.fillMandatory();
        QString diet = QStringLiteral("a");
        for (int i = 0; i < 700; ++i)
            diet += QStringLiteral("xy\n");
        f.memo("txtDieta")->setPlainText(diet);
        f.memo("txtStretching")->setPlainText(QString(2001, u's'));
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(),
                 (QList<FakePlatform::Shown>{{Box::Warning, overCapacity("Dieta", 2000, 2801)},
                                             {Box::Warning, overCapacity("Stretching", 2000, 2001)},
                                             kAppended}));
        QCOMPARE(f.shownSection(), QStringLiteral("panAttivita"));
        const QByteArray stored = f.record(2).mid(366, 2001);
        QCOMPARE(stored.indexOf('\0'), 1999);
        QVERIFY(stored.startsWith("axy\r\nxy\r\n"));
        QVERIFY(stored.left(1999).endsWith("\r\nxy"));
    }

    void loadingShowsTheCardAsStored() {
        TrainingFixture f;
        R first = trainingCard(QStringLiteral("  Forza "));
        first.Dieta = QStringLiteral("Colazione\r\nPranzo");
        first.Addominali = QStringLiteral("Sì");
        first.Spalle = QStringLiteral("No");
        first.Tricipiti = QStringLiteral("S"); // neither value: the box keeps what it showed
        first.Desc01 = QStringLiteral("  certificato ");
        first.GruppiMuscolari = QStringLiteral("Addominali");
        f.seed({first, trainingCard(QStringLiteral("Resistenza"))});
        f.click("btnPartecipanti");
        f.find<QCheckBox>("chkTricipiti")->setChecked(true);
        f.find<QCheckBox>("chkSpalle")->setChecked(true);

        f.click("cmdPrimo");
        QCOMPARE(f.position(), QStringLiteral("1"));
        QCOMPARE(f.shownSection(), QStringLiteral("panPartecipanti"));
        QCOMPARE(f.field("txtAllenamento")->text(), QStringLiteral("  Forza "));
        QCOMPARE(f.memo("txtDieta")->toPlainText(), QStringLiteral("Colazione\nPranzo"));
        QVERIFY(f.find<QCheckBox>("chkAddominali")->isChecked());
        QVERIFY(!f.find<QCheckBox>("chkSpalle")->isChecked());
        QVERIFY(f.find<QCheckBox>("chkTricipiti")->isChecked());
        QCOMPARE(f.find<QLabel>("lblDesc01")->text(), QStringLiteral("certificato"));
        QCOMPARE(f.find<QLabel>("txtMuscoli")->text(), QStringLiteral("Addominali"));

        f.click("cmdAvanti");
        QCOMPARE(f.field("txtAllenamento")->text(), QStringLiteral("Resistenza"));
        f.click("cmdAvanti");
        QCOMPARE(f.position(), QStringLiteral("2"));
        QVERIFY(f.takeMessages().isEmpty());
    }

    void emptyArchiveSaysSo() {
        TrainingFixture f;
        f.click("cmdUltimo");
        QCOMPARE(f.takeMessages(), (QList<FakePlatform::Shown>{{Box::Information, ArchiveMessages::kEmpty}}));
    }

    void duplicateStartsACopyWithoutAttachments() {
        TrainingFixture f;
        f.click("cmdDuplica");
        QCOMPARE(f.takeMessages(),
                 (QList<FakePlatform::Shown>{
                     {Box::Warning,
                      QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                                     "dopo che questa è stata inserita in archivio.")}}));

        R third = trainingCard(QStringLiteral("Terza"));
        third.File01 = QStringLiteral("esami.pdf");
        third.Desc01 = QStringLiteral("Esami");
        f.seed({trainingCard(QStringLiteral("Prima")), trainingCard(QStringLiteral("Seconda")), third});
        f.click("cmdUltimo");
        f.click("btnAttivita");
        f.click("cmdDuplica");
        QCOMPARE(f.takeMessages(),
                 (QList<FakePlatform::Shown>{
                     {Box::Information,
                      QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                                     "corrente.\n\r\n\rAl termine premere Salva per inserire la "
                                     "scheda in archivio.")}}));
        QVERIFY(f.position().isEmpty());
        QCOMPARE(f.shownSection(), QStringLiteral("panProgramma"));
        QCOMPARE(f.field("txtAllenamento")->text(), QStringLiteral("Terza"));
        QVERIFY(f.find<QLabel>("lblFile01")->text().isEmpty());

        f.click("cmdSalva");
        QCOMPARE(f.position(), QStringLiteral("4"));
        QCOMPARE(f.card(4).NomeAllenamento, QStringLiteral("Terza"));
        QVERIFY(f.card(4).File01.isEmpty());
        QCOMPARE(f.card(3).File01, QStringLiteral("esami.pdf"));
    }

    void memberIsImportedFromTheMemberSearch() {
        TrainingFixture f;
        TSchedaIscritto m;
        m.CognomeNome = QStringLiteral("Bianchi Anna");
        m.CodiceFiscale = QStringLiteral("BNCNNA80A41H501X");
        m.TelCellulare = QStringLiteral("347 000111");
        m.NumeroTessera = QStringLiteral("T-7");
        m.Email = QStringLiteral("anna@example.it");
        m.Peso = QStringLiteral("60");
        f.folder.write(QString::fromLatin1(TSchedaIscritto::FileName), MemberCodec::encode(m));
        f.click("btnPartecipanti");
        f.field("txtPeso")->setText(QStringLiteral("72"));

        inspectNextModal([](QWidget* modal) {
            auto* search = qobject_cast<TfrmTrovaTiratori*>(modal);
            QVERIFY(search);
            QTest::mouseClick(search->findChild<QPushButton*>(QStringLiteral("btnCerca")), Qt::LeftButton);
            auto* list = search->findChild<QListView*>(QStringLiteral("lstRecords"));
            const QModelIndex first = list->model()->index(0, 0);
            list->setCurrentIndex(first);
            QTest::keyClick(list, Qt::Key_Return);
        });
        f.click("impIscritto");
        QCOMPARE(f.field("txtTesserato")->text(), QStringLiteral("Bianchi Anna"));
        QCOMPARE(f.field("txtCodFisc")->text(), QStringLiteral("BNCNNA80A41H501X"));
        QCOMPARE(f.field("txtRecapito")->text(), QStringLiteral("347 000111"));
        QCOMPARE(f.field("txtNumTessera")->text(), QStringLiteral("T-7"));
        QCOMPARE(f.field("txtEmail")->text(), QStringLiteral("anna@example.it"));
        QCOMPARE(f.field("txtPeso")->text(), QStringLiteral("72"));
        QVERIFY(f.position().isEmpty());
    }

    void emailGoesToTheMailProgram() {
        TrainingFixture f;
        f.click("btnPartecipanti");
        f.field("txtEmail")->setText(QStringLiteral("  "));
        f.click("cmdEmail");
        QCOMPARE(
            f.takeMessages(),
            (QList<FakePlatform::Shown>{
                {Box::Warning, QStringLiteral("Attenzione: indicare l'indirizzo e-mail dell'Iscritto.")}}));
        QCOMPARE(QApplication::focusWidget(), f.field("txtEmail"));

        f.field("txtEmail")->setText(QStringLiteral("anna@example.it?bcc=x@y.it"));
        f.click("cmdEmail");
        QCOMPARE(f.takeMessages().size(), 1);
        QVERIFY(f.fake->opened.isEmpty());

        f.field("txtEmail")->setText(QStringLiteral("anna@example.it"));
        f.click("cmdEmail");
        QCOMPARE(f.fake->opened, QStringList{QStringLiteral("mailto:anna@example.it")});
    }

    void attachmentsGoBackToTheCard() {
        TrainingFixture f;
        R card = trainingCard(QStringLiteral("Forza"));
        card.File01 = QStringLiteral("esami.pdf");
        card.Desc01 = QStringLiteral("Esami");
        f.seed({card});
        f.click("cmdPrimo");
        inspectNextModal([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("frmAllegaCartella"));
            QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("txtFile01"))->text(),
                     QStringLiteral("esami.pdf"));
            dialog->findChild<QLineEdit*>(QStringLiteral("txtDesc02"))->setText(QStringLiteral("  Dieta "));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnApplica")), Qt::LeftButton);
        });
        f.click("cmdFile");
        QCOMPARE(f.find<QLabel>("lblDesc02")->text(), QStringLiteral("Dieta"));
        // The archive learns of it at the next save.
        QVERIFY(f.card(1).Desc02.isEmpty());
        f.click("cmdSalva");
        QCOMPARE(f.card(1).Desc02, QStringLiteral("Dieta"));
        QCOMPARE(f.card(1).File01, QStringLiteral("esami.pdf"));
    }

    void codeCheckOpensByKindOfCode() {
        TrainingFixture f;
        f.click("btnPartecipanti");
        for (const auto& [code, dialog] :
             {std::pair{" 01234567890 ", "frmPartitaIva"}, std::pair{"RSSMRA80A01H501U", "frmCodFisc"},
              std::pair{"", "frmCodFisc"}}) {
            f.field("txtCodFisc")->setText(QString::fromLatin1(code));
            QString opened;
            inspectNextModal([&opened](QWidget* shown) { opened = shown->objectName(); });
            f.click("btnCodFisc");
            QCOMPARE(opened, QString::fromLatin1(dialog));
        }
    }

    void guidePageNamesTheApp() {
        TrainingFixture f;
        inspectNextModal([](QWidget* guide) {
            QCOMPARE(guide->findChild<QLabel*>(QStringLiteral("lblTitolo"))->text(),
                     QStringLiteral("App Schede Allenamento"));
            const QString text = guide->findChild<QPlainTextEdit*>(QStringLiteral("txtGuida"))->toPlainText();
            QVERIFY(text.startsWith(QStringLiteral("L'app Schede Allenamento permette di creare programmi")));
            QVERIFY(text.endsWith(QStringLiteral("può essere esportato in un file di Microsoft Excel.")));
        });
        f.click("cmdGuida");
    }
};

ZANDORIO_TEST(TrainingScreenTest)
#include "tst_screen.moc"
