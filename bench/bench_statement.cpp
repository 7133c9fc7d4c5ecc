// Times the yearly statements of every payer over a year of 100,000 receipts (about 110 MB) and
// their companion: gathering them may take at most twice what `cat` takes to read both files.
// Writing the statements to PDF is timed apart and printed, with no limit: it is the report
// engine's drawing of thousands of pages.
#include "BenchTiming.h"
#include "receipts/StatementDocument.h"
#include "receipts/TSchedaRicevuta.h"
#include "receipts/TSchedaRicevutaExtra.h"
#include "receipts/YearlyStatement.h"
#include "reports/ReportRenderer.h"
#include "storage/ProgramFolder.h"

#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int kReceipts = 100000;
// A large association: each family pays a fee for one or two children most months.
constexpr int kPayers = 6000;
constexpr int kRuns = 15;

QString code(int payer) {
    return QStringLiteral("RSSMRA%1A01H501U").arg(payer % 100, 2, 10, QLatin1Char('0')).left(10) +
           QStringLiteral("%1").arg(payer, 6, 10, QLatin1Char('0'));
}

void writeYear(const QString& path) {
    const QStringList sports = {"Nuoto", "Tennis", "Calcio", "Pallavolo", "Nuoto sincronizzato", "Judo"};
    const QStringList methods = TSchedaRicevutaExtra::methods();
    QRandomGenerator random(11);
    QByteArray receipts, extras;
    receipts.reserve(qsizetype(kReceipts) * TSchedaRicevuta::Size);
    for (int i = 0; i < kReceipts; ++i) {
        const int payer = random.bounded(kPayers);
        TSchedaRicevuta r;
        const int month = random.bounded(1, 13);
        r.NumeroRicevuta = QString::number(i + 1);
        r.DataRicevuta = QStringLiteral("%1/%2/2024")
                             .arg(random.bounded(1, 29), 2, 10, QLatin1Char('0'))
                             .arg(month, 2, 10, QLatin1Char('0'));
        r.ImportoEuro = QString::number(random.bounded(20, 200));
        r.ImportoCentesimi = QStringLiteral("00");
        r.ImportoTotale = r.ImportoEuro + QStringLiteral(",00");
        r.Ricevente1 = QStringLiteral("A.S.D. Delfini Forlì");
        r.Ricevente2 = QStringLiteral("Via del Mare 3, 47121 Forlì");
        r.Pagatore = QStringLiteral("Famiglia %1").arg(payer);
        r.CodiceFiscalePagatore = code(payer);
        r.AttivitaSportiva = sports[random.bounded(int(sports.size()))];
        r.PeriodoDal = QStringLiteral("01/%1/2024").arg(month, 2, 10, QLatin1Char('0'));
        r.PeriodoAl = QStringLiteral("28/%1/2024").arg(month, 2, 10, QLatin1Char('0'));
        r.Praticante = QStringLiteral("Figlio %1 %2").arg(random.bounded(2) + 1).arg(payer);
        r.LuogoNascitaPraticante = QStringLiteral("Forlì");
        r.DataNascitaPraticante = QStringLiteral("02/02/2015");
        r.IndirizzoPraticante = QStringLiteral("Via Roma %1, Forlì").arg(payer);
        receipts += ReceiptCodec::encode(r);
        TSchedaRicevutaExtra x;
        x.MetodoPagamento = methods[random.bounded(int(methods.size()))];
        x.Annullata = random.bounded(100) == 0 ? QStringLiteral("Sì") : QStringLiteral("No");
        x.Stampe = QStringLiteral("1");
        extras += RicevutaExtraCodec::encode(x);
    }
    writeSettled(TSchedaRicevutaExtra::path(path), extras);
    writeSettled(path, receipts);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramFolder::set(dir.path());
    const QString path = TSchedaRicevuta::path(QStringLiteral("2024"));
    writeYear(path);
    const QStringList files = {path, TSchedaRicevutaExtra::path(path)};

    const double cat = bestOf(kRuns, [&] { catToNowhere(files); });
    // Each run gathers afresh; freeing the previous run's statements is not part of it.
    YearlyStatement::Gathered gathered;
    double gathering = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        gathered = {};
        gathering = std::min(
            gathering, bestOf(1, [&] { gathered = YearlyStatement::gather(path, QStringLiteral("2024")); }));
    }
    const qsizetype receipts = qsizetype(gathered.receipts.size());

    const QString onePdf = dir.filePath(QStringLiteral("Attestazione.pdf"));
    const QString allPdf = dir.filePath(QStringLiteral("Attestazioni.pdf"));
    const QDate printed(2025, 1, 20);
    const double one = bestOf(kRuns, [&] {
        ReportRenderer(
            StatementDocument::make(gathered, gathered.of(gathered.payers().first().code), printed))
            .writePdf(onePdf);
    });
    const double all = bestOf(1, [&] {
        ReportRenderer(StatementDocument::make(gathered, gathered.of({}), printed)).writePdf(allPdf);
    });

    const double ratio = gathering / cat;
    QTextStream out(stdout);
    out << "year of " << kReceipts << " receipts, " << QFile(path).size() << " bytes, companion "
        << QFile(files[1]).size() << " bytes\n"
        << "cat of both into /dev/null: " << cat << " ms\n"
        << "statements gathered:        " << gathering << " ms (" << gathered.statements.size()
        << " statements, " << gathered.payers().size() << " payers, " << receipts << " receipts, "
        << gathered.warnings.size() << " warnings)\n"
        << "gathering / cat:            " << ratio
        << (ratio <= 2 ? " (at most 2: fine)\n" : " (above 2: too slow)\n")
        << "PDF of one payer:           " << one << " ms\n"
        << "PDF of every payer:         " << all << " ms (" << QFile(allPdf).size() << " bytes)\n";
    return ratio <= 2 ? 0 : 1;
}
