#include "TestMain.h"
#include "TrainingFixture.h"
#include "app/ArchiveMessages.h"
#include "app/ResultListPanel.h"
#include "app/TfrmAvvio.h"
#include "startup/Startup.h"
#include "storage/AtomicFile.h"
#include "training/TfrmAllenamentiAttivi.h"
#include "training/TfrmCreaRTF.h"
#include "training/TfrmExpAllenamenti.h"
#include "training/TfrmTrovaAllenamenti.h"
#include "training/TrainingDocument.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QListView>
#include <QPushButton>
#include <QTableView>

namespace {

using Box = Platform::Box;
using R = TSchedaAllenamento;

QStringList listed(const QWidget* dialog) {
    const QAbstractItemModel* model = dialog->findChild<QListView*>(QStringLiteral("lstRecords"))->model();
    QStringList lines;
    for (int i = 0; i < model->rowCount(); ++i)
        lines << model->index(i, 0).data().toString();
    return lines;
}

QStringList names(const QWidget* dialog) {
    QStringList out;
    for (const QString& line : listed(dialog))
        out << line.left(40).trimmed();
    return out;
}

// Chooses a line as a double click does.
void choose(QWidget* dialog, int row) {
    auto* list = dialog->findChild<QListView*>(QStringLiteral("lstRecords"));
    list->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list, Qt::Key_Return);
}

void setFilter(TfrmTrovaAllenamenti& search, const char* name, const QString& text) {
    search.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
}

void runSearch(TfrmTrovaAllenamenti& search) {
    QTest::mouseClick(search.findChild<QPushButton*>(QStringLiteral("btnCerca")), Qt::LeftButton);
}

} // namespace

class TrainingDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void searchFindsCardsByEveryFilter() {
        TrainingFixture f;
        R a = trainingCard(QStringLiteral("Forza"));
        a.CognomeNome = QStringLiteral("ROSSI MARIO");
        a.Esercizi = QStringLiteral("Panca 3x10\r\nSquat");
        R b = trainingCard(QStringLiteral("Resistenza"));
        b.DataInizio = QStringLiteral("01/02/2023");
        R c = trainingCard(QStringLiteral("Agilità"));
        c.CognomeNome = QStringLiteral("Perè Anna");
        f.seed({a, b, c});

        TfrmTrovaAllenamenti search(&f.screen);
        search.setModeKey(QStringLiteral("allenamenti"));
        search.show();
        QCOMPARE(search.findChild<QLabel*>(QStringLiteral("lblTrovate"))->text(),
                 QStringLiteral("Il presente riepilogo contiene 0 schede"));
        runSearch(search);
        // Sorted by line, not in file order; the count line ends with a full stop.
        QCOMPARE(names(&search), (QStringList{"Agilità", "Forza", "Resistenza"}));
        QCOMPARE(search.findChild<QLabel*>(QStringLiteral("lblTrovate"))->text(),
                 QStringLiteral("Il presente riepilogo contiene 3 schede."));

        const auto find = [&](std::initializer_list<std::pair<const char*, QString>> filters) {
            for (const char* name : {"txtAllenamento", "txtTesserato", "txtData", "txtEsercizi"})
                setFilter(search, name, {});
            for (const auto& [name, text] : filters)
                setFilter(search, name, text);
            runSearch(search);
            return names(&search);
        };
        QCOMPARE(find({{"txtData", QStringLiteral("/2023")}}), QStringList{"Resistenza"});
        QCOMPARE(
            find({{"txtTesserato", QStringLiteral("rossi")}, {"txtAllenamento", QStringLiteral("forza")}}),
            QStringList{"Forza"});
        QCOMPARE(
            find({{"txtTesserato", QStringLiteral("perè")}, {"txtAllenamento", QStringLiteral("forza")}}),
            QStringList{});
        QCOMPARE(find({{"txtTesserato", QStringLiteral("PERÈ")}}), QStringList{});
        QCOMPARE(find({{"txtEsercizi", QStringLiteral("squat")}}), QStringList{"Forza"});
    }

    void handOverLoadsTheLastEqualCard() {
        TrainingFixture f;
        R twin = trainingCard(QStringLiteral("Gemella"));
        R later = twin;
        later.Dieta = QStringLiteral("la seconda");
        f.seed({trainingCard(QStringLiteral("Altra")), twin, later});
        f.click("btnAttivita");

        // Only the mode "allenamenti" delivers; the dialog closes either way.
        for (const auto& [key, position] : {std::pair{"tiratori", ""}, std::pair{"allenamenti", "3"}}) {
            TfrmTrovaAllenamenti search(&f.screen);
            search.setModeKey(QString::fromLatin1(key));
            search.show();
            runSearch(search);
            choose(&search, 1);
            QVERIFY(!search.isVisible());
            QCOMPARE(f.position(), QString::fromLatin1(position));
        }
        QCOMPARE(f.memo("txtDieta")->toPlainText(), QStringLiteral("la seconda"));
        QCOMPARE(f.shownSection(), QStringLiteral("panAttivita"));
    }

    void activeListShowsCardsNotYetEnded() {
        TrainingFixture f;
        f.fake->date = QDate(2024, 3, 5);
        f.seed({trainingCard(QStringLiteral("Ieri"), QStringLiteral("04/03/2024")),
                trainingCard(QStringLiteral("Oggi"), QStringLiteral("05/03/2024")),
                trainingCard(QStringLiteral("Rotta"), QString()),
                trainingCard(QStringLiteral("Domani"), QStringLiteral("06/03/2024"))});
        {
            TfrmAllenamentiAttivi active(&f.screen);
            active.show();
            QCOMPARE(names(&active), (QStringList{"Domani", "Oggi"}));
            choose(&active, 1);
            QVERIFY(!active.isVisible());
        }
        QCOMPARE(f.position(), QStringLiteral("2"));
        QCOMPARE(f.field("txtAllenamento")->text(), QStringLiteral("Oggi"));

        f.fake->date = QDate(2024, 3, 6);
        TfrmAllenamentiAttivi active(&f.screen);
        active.show();
        QCOMPARE(names(&active), QStringList{"Domani"});
    }

    void rtfDocumentIsWrittenWholeOrNotAtAll() {
        TrainingFixture f;
        f.fillMandatory();
        f.find<QCheckBox>("chkGlutei")->setChecked(true);
        f.memo("txtEsercizi")->setPlainText(QString(4100, u'e'));
        const QString path = f.folder.path(QString::fromLatin1(TrainingDocument::kFileName));
        const auto exportWith = [&](QList<bool> answers) {
            f.fake->answers.clear();
            for (bool answer : answers)
                f.fake->answers.enqueue(answer);
            inspectNextModal([](QWidget* dialog) {
                QCOMPARE(dialog->objectName(), QStringLiteral("frmCreaRTF"));
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnStampa")),
                                  Qt::LeftButton);
            });
            f.click("cmdRTF");
        };

        exportWith({false});
        QVERIFY(!QFile::exists(path));
        QCOMPARE(f.fake->questions.size(), 1);

        exportWith({true, true});
        R shown = f.screen.record();
        QCOMPARE(shown.GruppiMuscolari, QStringLiteral("Glutei"));
        const QByteArray written = f.folder.read(QString::fromLatin1(TrainingDocument::kFileName));
        // The document shows the card as the screen does, the whole exercises text included.
        QCOMPARE(written, TrainingDocument::rtf(shown, f.fake->date));
        QVERIFY(written.contains(QByteArray(4100, 'e')));
        QCOMPARE(
            f.fake->questions.last(),
            QStringLiteral("Il file RTF è stato creato con successo.\r\n\r\nSi vuole aprire il documento?"));
        QCOMPARE(f.fake->opened, QStringList{u'"' + path + u'"'});
        QVERIFY(f.takeMessages().isEmpty());

        // A write that fails leaves the earlier document as it was and says so; nothing is opened.
        f.field("txtAllenamento")->setText(QStringLiteral("Cambiata"));
        {
            const AtomicFile::Fault full(AtomicFile::Step::Write);
            exportWith({true, true});
        }
        QCOMPARE(f.folder.read(QString::fromLatin1(TrainingDocument::kFileName)), written);
        QCOMPARE(f.takeMessages(), (QList<FakePlatform::Shown>{
                                       {Box::Notice, QStringLiteral("Attenzione: il sistema non permette di "
                                                                    "esportare i dati.\n\r\n\rAccertarsi che "
                                                                    "il documento non sia già aperto.")}}));
        QCOMPARE(f.fake->opened.size(), 1);
    }

    void exportListsEveryCard() {
        TrainingFixture f;
        R first = trainingCard(QStringLiteral("  Forza "));
        first.AltriRisultati = QStringLiteral("-3 kg");
        f.seed({first, trainingCard(QStringLiteral("Resistenza"))});
        TfrmExpAllenamenti exporter(&f.screen);
        exporter.show();
        const QAbstractItemModel* grid =
            exporter.findChild<QTableView*>(QStringLiteral("grdRecords"))->model();
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->columnCount(), 26);
        QCOMPARE(grid->index(1, 0).data().toString(), QStringLiteral("2"));
        QCOMPARE(grid->index(0, 1).data().toString(), QStringLiteral("Forza"));
        QCOMPARE(grid->headerData(22, Qt::Horizontal).toString(),
                 QStringLiteral("Altri risultati raggiunti"));

        f.fake->answers.enqueue(true);
        f.fake->answers.enqueue(false);
        exporter.cmdEsportaClick();
        const QByteArray file = f.folder.read(QStringLiteral("Schede_Allenamenti.xls"));
        QVERIFY(file.contains(">Altri risultati conseguiti</td>"));
        QVERIFY(file.contains(">Forza</td>"));
        QVERIFY(file.contains(">-3 kg</td>"));
        QVERIFY(f.fake->opened.isEmpty());
    }

    void mainMenuOpensTheTrainingCards() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        Startup startup;
        auto* tile = startup.menu().findChild<QAbstractButton*>(QStringLiteral("btnApp03"));
        QVERIFY(tile->isEnabled());
        startup.menu().show();
        QTest::mouseClick(tile, Qt::LeftButton);
        QVERIFY(startup.training().isVisible());
        QVERIFY(!startup.menu().isVisible());
        startup.training().close();
        QVERIFY(startup.menu().isVisible());
    }
};

ZANDORIO_TEST(TrainingDialogsTest)
#include "tst_dialogs.moc"
