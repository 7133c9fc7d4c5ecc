// Times the training archive's scans over 10,000 cards (about 132 MB, the long texts filled):
// the training search with no filter and with two filters, the active list, and the export
// (grid rows listed and the spreadsheet file written). The scans are compared with `cat` reading
// the same file into /dev/null and may take at most twice as long; the export with `cat` and
// replacing a file of the exported size (synced to the disk before it takes the old one's place)
// together, at most 1.5 times as long.
#include "BenchTiming.h"
#include "app/QtPlatform.h"
#include "storage/ProgramFolder.h"
#include "storage/SpreadsheetDocument.h"
#include "training/TSchedaAllenamento.h"
#include "training/TfrmAllenamenti.h"
#include "training/TfrmAllenamentiAttivi.h"
#include "training/TfrmTrovaAllenamenti.h"
#include "training/TrainingExport.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int kCards = 10000;
constexpr int kRuns = 15;

void writeArchive(const QString& path) {
    const QStringList programmes = {"Forza", "Resistenza", "Dimagrimento", "Tonificazione", "Recupero"};
    const QStringList kinds = {"Pesi", "Corpo libero", "Circuito", "Cardio"};
    const QStringList surnames = {"Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo", "Ricci"};
    const QStringList names = {"Mario", "Anna", "Luca", "Giulia", "Nicolò"};
    QRandomGenerator random(42);
    const QDate today = QDate::currentDate();
    QByteArray bytes;
    for (int i = 0; i < kCards; ++i) {
        TSchedaAllenamento r;
        r.NomeAllenamento = programmes[random.bounded(int(programmes.size()))] + QStringLiteral(" %1").arg(i);
        r.Tipologia = kinds[random.bounded(int(kinds.size()))];
        r.Finalita = QStringLiteral("Aumento della massa muscolare");
        r.Livello = QStringLiteral("Intermedio");
        const QDate start = today.addDays(random.bounded(-400, 60));
        r.DataInizio = start.toString(QStringLiteral("dd/MM/yyyy"));
        r.DataFine = start.addDays(random.bounded(30, 180)).toString(QStringLiteral("dd/MM/yyyy"));
        r.Dieta = QString(1900, u'd');
        r.Istruttore = QStringLiteral("Neri Paolo");
        r.CognomeNome =
            surnames[random.bounded(int(surnames.size()))] + u' ' + names[random.bounded(int(names.size()))];
        r.TelCellulare = QStringLiteral("333%1").arg(random.bounded(1000000, 9999999));
        r.Riscaldamento = QString(1900, u'r');
        r.Esercizi = QStringLiteral("Panca piana 3x10\r\nSquat 4x8\r\n").repeated(140);
        r.Stretching = QString(1900, u's');
        bytes += TrainingCodec::encode(r);
    }
    writeSettled(path, bytes);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Platform::install(std::make_unique<QtPlatform>());
    QTemporaryDir dir;
    ProgramFolder::set(dir.path());
    const QString path = TSchedaAllenamento::path();
    writeArchive(path);

    TfrmAllenamenti screen;
    TfrmTrovaAllenamenti search(&screen);
    auto* cerca = search.findChild<QPushButton*>(QStringLiteral("btnCerca"));
    auto* list = search.findChild<QListView*>(QStringLiteral("lstRecords"));

    const double cat = bestOf(kRuns, [&] { catToNowhere({path}); });
    const double all = bestOf(kRuns, [&] { cerca->click(); });
    const int listedAll = list->model()->rowCount();
    search.findChild<QLineEdit*>(QStringLiteral("txtTipologia"))->setText(QStringLiteral("pesi"));
    search.findChild<QLineEdit*>(QStringLiteral("txtTesserato"))->setText(QStringLiteral("ROSSI"));
    const double filtered = bestOf(kRuns, [&] { cerca->click(); });
    const int listedFiltered = list->model()->rowCount();

    int active = 0;
    const double activeList = bestOf(kRuns, [&] {
        TfrmAllenamentiAttivi dialog(&screen);
        dialog.show();
        active = dialog.findChild<QListView*>(QStringLiteral("lstRecords"))->model()->rowCount();
        dialog.hide();
    });
    const QString exportedFile = dir.filePath(QStringLiteral("Schede_Allenamenti.xls"));
    // The grid's rows are freed when the export screen closes, after the export: not timed.
    std::vector<GridRows> listed;
    const double exported = bestOf(kRuns, [&] {
        GridRows rows(int(TrainingExport::format().columns.size()));
        TrainingExport::appendRows(rows);
        SpreadsheetDocument::write(
            exportedFile, TrainingExport::format(), rows.rowCount(),
            [&rows](qsizetype row, std::span<QByteArrayView> cells) { rows.cells(row, cells); });
        listed.push_back(std::move(rows));
    });

    const double replacing = durableWrite(exportedFile, QFile(exportedFile).size(), kRuns);
    const double scanRatio = std::max({all, filtered, activeList}) / cat;
    const double exportRatio = exported / (cat + replacing);
    const bool fine = scanRatio <= 2 && exportRatio <= 1.5;
    QTextStream out(stdout);
    out << "archive of " << kCards << " cards, " << QFile(path).size() << " bytes\n"
        << "cat into /dev/null:    " << cat << " ms\n"
        << "search, no filter:     " << all << " ms (" << listedAll << " lines)\n"
        << "search, two filters:   " << filtered << " ms (" << listedFiltered << " lines)\n"
        << "active list:           " << activeList << " ms (" << active << " lines)\n"
        << "export:                " << exported << " ms (" << QFile(exportedFile).size() << " bytes)\n"
        << "replacing a file of as many bytes: " << replacing << " ms\n"
        << "slowest scan / cat:    " << scanRatio
        << (scanRatio <= 2 ? " (at most 2: fine)\n" : " (above 2: too slow)\n")
        << "export / (cat + replacing): " << exportRatio
        << (exportRatio <= 1.5 ? " (at most 1.5: fine)\n" : " (above 1.5: too slow)\n");
    return fine ? 0 : 1;
}
