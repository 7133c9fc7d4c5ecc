// Times the receipt search and export over a yearly archive of 100,000 receipts (about 110 MB),
// through their screens: the search with no filter and with two filters ("Cerca" until the list
// holds its lines) and the export's listing (the screen shown with its grid), each against `cat`
// of the same file: a scan may take at most 1.5 times what `cat` takes. The export's writing replaces
// a file of some 76 MB, synced to the disk before it takes the old one's place; it may take at
// most twice what replacing a file of as many bytes takes the system. Also the amount in words
// for every whole euro amount from 0 to 99,999,999 in steps of 7, which must take under a second
// in all. The income summary over the whole year, with no filter and with a payer filter, at most
// twice `cat`; the printed receipt in two copies rendered to PDF, under 100 ms.
#include "BenchTiming.h"
#include "app/QtPlatform.h"
#include "receipts/AmountInWords.h"
#include "receipts/IncomeSummary.h"
#include "receipts/ReceiptDocument.h"
#include "receipts/ReceiptExport.h"
#include "receipts/ReceiptLogo.h"
#include "receipts/TSchedaRicevuta.h"
#include "receipts/TfrmExpRic.h"
#include "receipts/TfrmRiepCosti.h"
#include "receipts/TfrmTrovaRic.h"
#include "reports/ReportRenderer.h"
#include "storage/ProgramFolder.h"
#include "storage/SpreadsheetDocument.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

constexpr int kReceipts = 100000;
constexpr int kRuns = 15;

void writeArchive(const QString& path) {
    const QStringList payers = {"Rossi Mario",   "Bianchi Anna", "Verdi Luca",
                                "Esposito Sara", "Romano Paolo", "Colombo Chiara",
                                "Rossini Marco", "Greco Giulia", "Nicolò Conti"};
    const QStringList sports = {"Nuoto", "Tennis", "Calcio", "Pallavolo", "Nuoto sincronizzato", "Judo"};
    QRandomGenerator random(7);
    QByteArray bytes;
    bytes.reserve(qsizetype(kReceipts) * TSchedaRicevuta::Size);
    for (int i = 0; i < kReceipts; ++i) {
        TSchedaRicevuta r;
        const int euros = random.bounded(10, 900);
        r.NumeroRicevuta = QString::number(i + 1);
        r.DataRicevuta = QStringLiteral("%1/%2/2024")
                             .arg(random.bounded(1, 29), 2, 10, QLatin1Char('0'))
                             .arg(random.bounded(1, 13), 2, 10, QLatin1Char('0'));
        r.ImportoEuro = QString::number(euros);
        r.ImportoCentesimi = QStringLiteral("50");
        r.ImportoLettere = ImportoInLettere(Currency::euros(euros));
        r.CentesimiLettere = QStringLiteral("50");
        r.ImportoTotale = r.ImportoEuro + QStringLiteral(",50");
        r.Ricevente1 = QStringLiteral("A.S.D. Delfini Forlì");
        r.Ricevente2 = QStringLiteral("Via del Mare 3, 47121 Forlì");
        r.Pagatore = payers[random.bounded(int(payers.size()))];
        r.CodiceFiscalePagatore = QStringLiteral("RSSMRA80A01H501U");
        r.AttivitaSportiva = sports[random.bounded(int(sports.size()))];
        r.PeriodoDal = QStringLiteral("01/03/2024");
        r.PeriodoAl = QStringLiteral("31/03/2024");
        r.Praticante = QStringLiteral("Praticante %1").arg(i);
        r.LuogoNascitaPraticante = QStringLiteral("Forlì");
        r.DataNascitaPraticante = QStringLiteral("02/02/2015");
        r.IndirizzoPraticante = QStringLiteral("Via Roma %1, Forlì").arg(i);
        bytes += ReceiptCodec::encode(r);
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
    const QString path = TSchedaRicevuta::path(QStringLiteral("2024"));
    writeArchive(path);

    TfrmTrovaRic search(nullptr, path, [](const TSchedaRicevuta&, int) {});
    auto* cerca = search.findChild<QPushButton*>(QStringLiteral("btnCerca"));
    auto* list = search.findChild<QListView*>(QStringLiteral("lstRecords"));

    const double cat = bestOf(kRuns, [&] { catToNowhere({path}); });
    const double all = bestOf(kRuns, [&] { cerca->click(); });
    const int listedAll = list->model()->rowCount();
    search.findChild<QLineEdit*>(QStringLiteral("txtPagatore"))->setText(QStringLiteral("ross"));
    search.findChild<QLineEdit*>(QStringLiteral("txtSport"))->setText(QStringLiteral("NUOTO"));
    const double filtered = bestOf(kRuns, [&] { cerca->click(); });
    const int listedFiltered = list->model()->rowCount();

    // The income summary as its result screen lists it: at its making, before it shows. Measured before the
    // export writes its files, whose write-back would still be running.
    const QDate first(2024, 1, 1), last(2024, 12, 31);
    const IncomeSummary::Period year{QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024"), first, last};
    const auto summarise = [&](const QString& payer, QString& total) {
        return bestOf(kRuns, [&] {
            const TfrmRiepCosti result(nullptr, path, payer, {}, year);
            total = result.findChild<QLabel*>(QStringLiteral("lblTotCosti"))->text();
        });
    };
    QString total, payerTotal;
    const double summary = summarise({}, total);
    const double payerSummary = summarise(QStringLiteral("ross"), payerTotal);

    TfrmExpRic exportScreen(nullptr, path);
    const double listing = bestOf(kRuns, [&] {
        exportScreen.hide();
        exportScreen.show();
    });
    const GridRows& grid = exportScreen.rows();
    const QString exported = ProgramFolder::file(QString::fromUtf8(ReceiptExport::format().fileName));
    const double writing = bestOf(kRuns, [&] {
        SpreadsheetDocument::write(
            exported, ReceiptExport::format(), grid.rowCount(),
            [&grid](qsizetype row, std::span<QByteArrayView> cells) { grid.cells(row, cells); });
    });
    const double rawWriting = durableWrite(exported, QFile(exported).size(), kRuns);

    // The first receipt of the archive, printed in both copies with the built-in logo.
    QFile archive(path);
    archive.open(QIODevice::ReadOnly);
    const TSchedaRicevuta printed = ReceiptCodec::decode(archive.read(TSchedaRicevuta::Size));
    const QImage logo = ReceiptLogo::builtIn();
    const QString pdf = ProgramFolder::file(QStringLiteral("Ricevuta.pdf"));
    const double document =
        bestOf(kRuns, [&] { ReportRenderer(ReceiptDocument::make(printed, logo)).writePdf(pdf); });

    QElapsedTimer timer;
    timer.start();
    qsizetype letters = 0;
    for (qint64 euros = 0; euros <= 99999999; euros += 7)
        letters += ImportoInLettere(Currency::euros(euros)).size();
    const double words = timer.nsecsElapsed() / 1e6;

    const double scanRatio = std::max({all, filtered, listing}) / cat;
    const double writeRatio = writing / rawWriting;
    const double summaryRatio = std::max(summary, payerSummary) / cat;
    const bool fine =
        scanRatio <= 1.5 && writeRatio <= 2 && summaryRatio <= 2 && document < 100 && words < 1000;
    QTextStream out(stdout);
    out << "archive of " << kReceipts << " receipts, " << QFile(path).size() << " bytes\n"
        << "cat into /dev/null:    " << cat << " ms\n"
        << "search, no filter:     " << all << " ms (" << listedAll << " lines)\n"
        << "search, two filters:   " << filtered << " ms (" << listedFiltered << " lines)\n"
        << "export, listing:       " << listing << " ms (" << grid.rowCount() << " rows)\n"
        << "export, writing:       " << writing << " ms (" << QFile(exported).size() << " bytes)\n"
        << "replacing a file of as many bytes: " << rawWriting << " ms\n"
        << "search and export listing / cat: " << scanRatio
        << (scanRatio <= 1.5 ? " (at most 1.5: fine)\n" : " (above 1.5: too slow)\n")
        << "export writing / replacing:      " << writeRatio
        << (writeRatio <= 2 ? " (at most 2: fine)\n" : " (above 2: too slow)\n")
        << "export / cat:          " << (listing + writing) / cat
        << " (replacing a file of its size alone takes " << rawWriting / cat << " x cat)\n"
        << "income summary, year:  " << summary << " ms (total " << total << ")\n"
        << "income summary, payer: " << payerSummary << " ms (total " << payerTotal << ")\n"
        << "summary / cat:         " << summaryRatio
        << (summaryRatio <= 2 ? " (at most 2: fine)\n" : " (above 2: too slow)\n")
        << "receipt to PDF:        " << document << " ms"
        << (document < 100 ? " (under 100 ms: fine)\n" : " (100 ms or more: too slow)\n")
        << "amount in words, 0 to 99,999,999 in steps of 7: " << words << " ms (" << letters << " letters)"
        << (words < 1000 ? " (under a second: fine)\n" : " (a second or more: too slow)\n");
    return fine ? 0 : 1;
}
