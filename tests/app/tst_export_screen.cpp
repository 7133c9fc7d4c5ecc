#include "FakePlatform.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/ExportScreen.h"
#include "app/GridRows.h"
#include "storage/AtomicFile.h"
#include "storage/SpreadsheetDocument.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

constexpr SpreadsheetColumn kColumns[] = {{"Iscritto", 250},
                                          {"Altri risultati conseguiti", 300, "Altri risultati raggiunti"}};
constexpr SpreadsheetExport kFormat{"Prova.xls", "Prova", kColumns};

const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
    "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kFailure =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi "
                   "che il file di Excel non sia già aperto.");

const QList<QStringList> kRows = {{QStringLiteral("Rossi Mario"), QStringLiteral("-3 kg")},
                                  {QStringLiteral("Bianchi Anna"), QString()}};

// An exporter that lists fixed rows when shown, as the real ones list their archive.
class SampleExport : public ExportScreen {
public:
    SampleExport()
        : ExportScreen(nullptr, QStringLiteral("frmExpProva"), QStringLiteral(" Prova"), kFormat) {}
    int listed = 0;

protected:
    void listRows() override {
        ++listed;
        setRows(kRows);
    }
};

} // namespace

class ExportScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gridRowsBuiltInPartsReadAsOneGridInAnyOrder() {
        const auto texts = [](const GridRows& grid) {
            QStringList all;
            for (qsizetype r = 0; r < grid.rowCount(); ++r)
                all << grid.text(r, 0) + u'|' + grid.text(r, 1);
            return all;
        };
        GridRows grid(2, {{"a", "1"}});
        grid.adopt(GridRows(2));
        grid.adopt(GridRows(2, {{"b", "2"}, {"c", ""}}));
        grid.adopt(GridRows(2, {{"d", "4"}}));
        const QByteArrayView cells[] = {"e", "5"};
        grid.append(cells);
        QCOMPARE(grid.rowCount(), 5);
        QCOMPARE(texts(grid), (QStringList{"a|1", "b|2", "c|", "d|4", "e|5"}));
        QCOMPARE(grid.at(3, 0), QByteArrayView("d"));

        // Shown in another order across the parts, a row left out; then none at all.
        grid.arrange({4, 0, 2});
        QCOMPARE(texts(grid), (QStringList{"e|5", "a|1", "c|"}));
        QCOMPARE(grid.at(2, 1), QByteArrayView());
        grid.arrange({});
        QCOMPARE(grid.rowCount(), 0);
    }

    void gridShowsNumberedRowsUnderTheGridHeaders() {
        FakePlatformScope fake;
        SampleExport screen;
        auto* grid = screen.findChild<QTableView*>(QStringLiteral("grdRecords"));
        QVERIFY(grid);
        QCOMPARE(grid->model()->rowCount(), 0);
        screen.show();
        QCOMPARE(screen.listed, 1);
        const QAbstractItemModel* model = grid->model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->columnCount(), 3);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral("Altri risultati raggiunti"));
        QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("2"));
        QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("Bianchi Anna"));
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(grid->alternatingRowColors());
        QCOMPARE(grid->rowHeight(0), 21);
        QCOMPARE(screen.findChild<QLabel*>(QStringLiteral("panInfo"))->text(),
                 QStringLiteral("Esportazione archivio in Microsoft Excel."));
        QCOMPARE(screen.findChild<QToolButton*>(QStringLiteral("cmdEsporta"))->toolTip(),
                 QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
        QVERIFY(!screen.findChild<QToolButton*>(QStringLiteral("cmdGuida"))->isEnabled());
    }

    void columnsShowTheirHeaderAndTheirText() {
        static constexpr SpreadsheetColumn kNarrow[] = {
            {"Ingressi rimanenti", 150}, {"Codice fiscale", 200}, {"Note", 300}, {"Tessera n.", 200}};
        static constexpr SpreadsheetExport kNarrowFormat{"Prova.xls", "Prova", kNarrow};
        FakePlatformScope fake;
        ExportScreen screen(nullptr, QStringLiteral("frmExpProva"), QStringLiteral(" Prova"), kNarrowFormat);
        const QString code = QStringLiteral("RSSMRA75C12H501X");
        screen.setRows({{QStringLiteral("7"), code, QString(250, u'W'), QStringLiteral("12")}});
        screen.show();
        auto* grid = screen.findChild<QTableView*>(QStringLiteral("grdRecords"));
        const QFontMetrics text(grid->font());
        const QFontMetrics header(grid->horizontalHeader()->font());
        QVERIFY(grid->columnWidth(1) > header.horizontalAdvance(QStringLiteral("Ingressi rimanenti")));
        QVERIFY(grid->columnWidth(2) > text.horizontalAdvance(code));
        // A long note does not take the whole grid; a short column keeps its share of the width.
        QVERIFY(grid->columnWidth(3) >= 180 && grid->columnWidth(3) < grid->viewport()->width() / 2);
        QCOMPARE(grid->columnWidth(4), 120);
    }

    void exportWritesTheGridAndOpensTheFileWhenAsked() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        folder.write("Prova.xls", QByteArray(5000, 'x'));
        SampleExport screen;
        screen.show();
        fake->answers << true << true;
        screen.findChild<QToolButton*>(QStringLiteral("cmdEsporta"))->click();
        QCOMPARE(fake->questions, QStringList({kAskExport, kAskOpen}));
        QCOMPARE(folder.read("Prova.xls"), SpreadsheetDocument::bytes(kFormat, kRows));
        QCOMPARE(fake->opened, QStringList{u'"' + folder.path("Prova.xls") + u'"'});
        QVERIFY(fake->messages.isEmpty());
    }

    void answeringNoStopsTheFlow() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        folder.write("Prova.xls", "earlier");
        SampleExport screen;
        screen.show();

        fake->answers << false;
        screen.cmdEsportaClick();
        QCOMPARE(fake->questions, QStringList{kAskExport});
        QCOMPARE(folder.read("Prova.xls"), QByteArray("earlier"));

        fake->questions.clear();
        fake->answers << true << false;
        screen.cmdEsportaClick();
        QCOMPARE(fake->questions, QStringList({kAskExport, kAskOpen}));
        QCOMPARE(folder.read("Prova.xls"), SpreadsheetDocument::bytes(kFormat, kRows));
        QVERIFY(fake->opened.isEmpty());
    }

    // A full disk keeps the earlier export whole instead of leaving half a file.
    void aFullDiskKeepsTheEarlierExport() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        folder.write("Prova.xls", "earlier export");
        SampleExport screen;
        screen.show();
        {
            const AtomicFile::Fault fault(AtomicFile::Step::Flush);
            screen.cmdEsportaClick();
        }
        QCOMPARE(folder.read("Prova.xls"), QByteArray("earlier export"));
        QCOMPARE(fake->questions, QStringList{kAskExport});
        QCOMPARE(fake->messages, (QList<FakePlatform::Shown>{{Platform::Box::Notice, kFailure}}));
        QVERIFY(fake->opened.isEmpty());
    }

    void aFileThatCannotBeWrittenGivesTheNoticeAndNoSecondQuestion() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        QDir(folder.path()).mkdir(QStringLiteral("Prova.xls"));
        SampleExport screen;
        screen.show();
        screen.cmdEsportaClick();
        QCOMPARE(fake->questions, QStringList{kAskExport});
        QCOMPARE(fake->messages, (QList<FakePlatform::Shown>{{Platform::Box::Notice, kFailure}}));
        QVERIFY(fake->opened.isEmpty());
    }
};

ZANDORIO_TEST(ExportScreenTest)
#include "tst_export_screen.moc"
