// Times the printed list and the spreadsheet export over large inputs: a result list of 20,000
// lines rendered to PDF, and a members export of 20,000 rows of 25 cells.
#include "reports/ListReport.h"
#include "reports/ReportRenderer.h"
#include "storage/SpreadsheetDocument.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <array>

namespace {

constexpr int kLines = 20000;

template <class F> void timed(const char* what, F&& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    QTextStream(stdout) << what << ": " << timer.elapsed() << " ms\n";
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;

    QStringList lines;
    for (int i = 0; i < kLines; ++i)
        lines += QStringLiteral("%1  Tel. 0543 123456      Cel. 333 1234567   Tessera n. %2  Quota: € 120,00")
                     .arg(QStringLiteral("Iscritto %1").arg(i).leftJustified(30))
                     .arg(i, 24);
    timed("list of 20000 lines to PDF", [&] {
        const ReportTemplate report = ListReport::make(QStringLiteral("Riepilogo"), lines, QDate(2024, 3, 5));
        ReportRenderer(report).writePdf(dir.filePath(QStringLiteral("list.pdf")));
    });

    std::array<SpreadsheetColumn, 25> columns{};
    columns.fill({"Colonna", 200});
    const SpreadsheetExport format{"Prova.xls", "Prova", columns};
    QList<QStringList> rows;
    for (int i = 0; i < kLines; ++i) {
        QStringList row;
        for (int c = 0; c < 25; ++c)
            row += QStringLiteral("Città %1 & dintorni %2").arg(i).arg(c);
        rows += row;
    }
    timed("export of 20000 rows x 25 cells",
          [&] { SpreadsheetDocument::write(dir.filePath(QStringLiteral("Prova.xls")), format, rows); });
    return 0;
}
