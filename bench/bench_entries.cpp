// Times the entries register over a register of 100,000 entries (about 114 MB): the entry search
// with no filter and with two filters, at most 1.5 times what `cat` of the same file into
// /dev/null takes; the daily, monthly and annual summaries' listing and the register export's
// listing, each at most twice what `cat` takes; and writing the export, at most twice what replacing a file
// of as many bytes (synced to the disk before it takes the old one's place) takes the system.
#include "BenchTiming.h"
#include "app/DateLists.h"
#include "app/QtPlatform.h"
#include "app/SummaryGridScreen.h"
#include "entries/EntryChecks.h"
#include "entries/EntryGrid.h"
#include "entries/EntrySummary.h"
#include "entries/TSchedaIngresso.h"
#include "entries/TfrmExpIngressi.h"
#include "entries/TfrmTrovaIngressi.h"
#include "storage/ProgramFolder.h"
#include "storage/SpreadsheetDocument.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int kEntries = 100000;
constexpr int kRuns = 5;
const QString kYear = QStringLiteral("2024");

void writeRegister(const QString& path) {
    const QStringList surnames = {"Rossi", "Bianchi", "Verdi", "Esposito", "Romano", "Colombo",
                                  "Ricci", "Marino",  "Greco", "Bruno",    "Gallo",  "Rossini"};
    const QStringList names = {"Mario", "Anna", "Luca", "Giulia", "Marco", "Sara", "Nicolò"};
    const QStringList activities = {"Sala pesi", "Pilates",          "Nuoto libero",
                                    "Spinning",  "Pilates avanzato", "Yoga"};
    QRandomGenerator random(7);
    QByteArray bytes;
    bytes.reserve(qsizetype(kEntries) * TSchedaIngresso::Size);
    for (int i = 0; i < kEntries; ++i) {
        TSchedaIngresso e;
        e.Giorno = QStringLiteral("%1").arg(random.bounded(1, 29), 2, 10, QLatin1Char('0'));
        e.Mese = DateLists::monthName(random.bounded(1, 13));
        e.Ore = QStringLiteral("%1").arg(random.bounded(7, 23), 2, 10, QLatin1Char('0'));
        e.Minuti = QStringLiteral("%1").arg(random.bounded(0, 60), 2, 10, QLatin1Char('0'));
        e.AttivitaSvolta = activities[random.bounded(int(activities.size()))];
        e.IngressiRimanenti = QString::number(random.bounded(0, 30));
        e.Attrezzature = QStringLiteral("Tapis roulant, manubri");
        e.CognomeNome =
            surnames[random.bounded(int(surnames.size()))] + u' ' + names[random.bounded(int(names.size()))];
        e.CodiceFiscale = QStringLiteral("RSSMRA80A01H501U");
        e.TelCellulare = QStringLiteral("333%1").arg(random.bounded(1000000, 9999999));
        e.NumeroTessera = QStringLiteral("T-%1").arg(i % 2000);
        e.Email = QStringLiteral("socio%1@example.it").arg(i % 2000);
        e.Note = i % 10 == 0 ? QStringLiteral("Certificato da rinnovare") : QString();
        e.Incaricato = QStringLiteral("Segreteria");
        bytes += EntryCodec::encode(EntryChecks::completed(e, kYear));
    }
    writeSettled(path, bytes);
}

int rowsOf(const QWidget& screen) {
    return screen.findChild<QTableView*>(QStringLiteral("grdRecords"))->model()->rowCount();
}

// A daily or monthly summary listed for `day` and `month`, as "Visualizza" lists it.
double summary(EntrySummary::Kind kind, const QString& path, const QString& day, int& rows) {
    return bestOf(kRuns, [&] {
        const std::unique_ptr<SummaryGridScreen> screen = EntrySummary::make(kind, nullptr, kYear, path);
        if (auto* days = screen->findChild<QComboBox*>(QStringLiteral("cboGiorno")))
            days->setCurrentText(day);
        screen->findChild<QComboBox*>(QStringLiteral("cboSelezione"))
            ->setCurrentText(QStringLiteral("MARZO"));
        screen->btnVisualizzaClick();
        rows = rowsOf(*screen);
    });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Platform::install(std::make_unique<QtPlatform>());
    QTemporaryDir dir;
    ProgramFolder::set(dir.path());
    const QString path = TSchedaIngresso::path(kYear);
    writeRegister(path);

    TfrmTrovaIngressi search(nullptr, path, [](const TSchedaIngresso&, int) {});
    auto* cerca = search.findChild<QPushButton*>(QStringLiteral("btnCerca"));
    auto* list = search.findChild<QListView*>(QStringLiteral("lstRecords"));

    const double cat = bestOf(kRuns, [&] { catToNowhere({path}); });
    const double all = bestOf(kRuns, [&] { cerca->click(); });
    const int listedAll = list->model()->rowCount();
    search.findChild<QLineEdit*>(QStringLiteral("txtTesserato"))->setText(QStringLiteral("ross"));
    search.findChild<QLineEdit*>(QStringLiteral("txtAttivita"))->setText(QStringLiteral("PILATES"));
    const double filtered = bestOf(kRuns, [&] { cerca->click(); });
    const int listedFiltered = list->model()->rowCount();

    int dailyRows = 0, monthlyRows = 0, annualRows = 0, exportedRows = 0;
    const double daily = summary(EntrySummary::Kind::Daily, path, QStringLiteral("05"), dailyRows);
    const double monthly = summary(EntrySummary::Kind::Monthly, path, {}, monthlyRows);
    const double annual = bestOf(kRuns, [&] {
        const std::unique_ptr<SummaryGridScreen> screen =
            EntrySummary::make(EntrySummary::Kind::Annual, nullptr, kYear, path);
        screen->show();
        annualRows = rowsOf(*screen);
    });
    TfrmExpIngressi exportScreen(nullptr, kYear, path);
    const double exportListed = bestOf(kRuns, [&] {
        exportScreen.hide();
        exportScreen.show();
    });
    const GridRows& grid = exportScreen.rows();
    exportedRows = int(grid.rowCount());
    const double exported = bestOf(kRuns, [&] {
        SpreadsheetDocument::write(
            ProgramFolder::file(QStringLiteral("Archivio_Ingressi.xls")),
            {"Archivio_Ingressi.xls", "Archivio Ingressi", EntryGrid::kColumns}, grid.rowCount(),
            [&grid](qsizetype row, std::span<QByteArrayView> cells) { grid.cells(row, cells); });
    });

    const double searches = std::max(all, filtered);
    const double scans = std::max({daily, monthly, annual, exportListed});
    const QString exportedFile = ProgramFolder::file(QStringLiteral("Archivio_Ingressi.xls"));
    const double replacing = durableWrite(exportedFile, QFile(exportedFile).size(), kRuns);
    const bool fine = searches <= 1.5 * cat && scans <= 2 * cat && exported <= 2 * replacing;
    QTextStream out(stdout);
    out << "register of " << kEntries << " entries, " << QFile(path).size() << " bytes\n"
        << "cat into /dev/null:      " << cat << " ms\n"
        << "search, no filter:       " << all << " ms (" << listedAll << " lines, " << all / cat
        << " x cat)\n"
        << "search, two filters:     " << filtered << " ms (" << listedFiltered << " lines, "
        << filtered / cat << " x cat)\n"
        << "daily summary:           " << daily << " ms (" << dailyRows << " rows, " << daily / cat
        << " x cat)\n"
        << "monthly summary:         " << monthly << " ms (" << monthlyRows << " rows, " << monthly / cat
        << " x cat)\n"
        << "annual summary:          " << annual << " ms (" << annualRows << " rows, " << annual / cat
        << " x cat)\n"
        << "export, listing:         " << exportListed << " ms (" << exportedRows << " rows, "
        << exportListed / cat << " x cat)\n"
        << "export, writing:         " << exported << " ms (" << QFile(exportedFile).size() << " bytes, "
        << exported / replacing << " x replacing a file of as many bytes, " << replacing << " ms)\n"
        << (fine
                ? "searches within 1.5 x cat, every other scan within 2 x cat, writing the export within 2 x "
                  "replacing: fine\n"
                : "too slow\n");
    return fine ? 0 : 1;
}
