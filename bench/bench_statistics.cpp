// Times the monthly entry statistics over a register of 100,000 entries (about 114 MB): counting
// the year's entries month by month against `cat` of the same file into /dev/null (at most twice
// as long), and drawing the chart, bars and pie, on a screen-sized picture (printed, aiming at 50 ms).
#include "BenchTiming.h"
#include "app/QtPlatform.h"
#include "entries/EntryStatistics.h"
#include "entries/StatChartView.h"
#include "entries/TSchedaIngresso.h"
#include "storage/ProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int kEntries = 100000;
constexpr int kRuns = 15;
const QString kYear = QStringLiteral("2024");

// Entries spread over the year, with a few of the year before mixed in.
void writeRegister(const QString& path) {
    QRandomGenerator random(11);
    QByteArray bytes;
    bytes.reserve(qsizetype(kEntries) * TSchedaIngresso::Size);
    for (int i = 0; i < kEntries; ++i) {
        TSchedaIngresso e;
        e.DataIngresso = QStringLiteral("%1/%2/%3")
                             .arg(random.bounded(1, 29), 2, 10, QLatin1Char('0'))
                             .arg(random.bounded(1, 13), 2, 10, QLatin1Char('0'))
                             .arg(i % 50 == 0 ? 2023 : 2024);
        e.AttivitaSvolta = QStringLiteral("Sala pesi");
        e.CognomeNome = QStringLiteral("Rossi Mario %1").arg(i % 2000);
        bytes += EntryCodec::encode(e);
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
    const QString path = TSchedaIngresso::path(kYear);
    writeRegister(path);

    EntryStatistics::Counts counts{};
    const double cat = bestOf(kRuns, [&] { catToNowhere({path}); });
    const double count = bestOf(kRuns, [&] { counts = EntryStatistics::count(path, kYear); });

    StatChartView view(nullptr);
    QList<ChartPoint> points;
    for (int m = 0; m < 12; ++m)
        points.append({QStringLiteral("Mese %1").arg(m + 1), QColor::fromHsv(m * 30, 200, 230), counts[m]});
    view.setPoints(points);
    QImage screen(1600, 900, QImage::Format_ARGB32_Premultiplied);
    const auto drawn = [&](Chart3D::Kind kind) {
        view.setKind(kind);
        return bestOf(kRuns, [&] {
            QPainter painter(&screen);
            view.chart().draw(painter, screen.rect());
        });
    };
    const double bars = drawn(Chart3D::Kind::Bars);
    const double pie = drawn(Chart3D::Kind::Pie);

    const double ratio = count / cat;
    const double slowest = std::max(bars, pie);
    qint64 counted = 0;
    for (qint64 c : counts)
        counted += c;
    QTextStream out(stdout);
    out << "register of " << kEntries << " entries, " << QFile(path).size() << " bytes\n"
        << "cat into /dev/null:   " << cat << " ms\n"
        << "monthly count:        " << count << " ms (" << counted << " entries of " << kYear << ")\n"
        << "count / cat:          " << ratio
        << (ratio <= 2 ? " (at most 2: fine)\n" : " (above 2: too slow)\n")
        << "chart as bars:        " << bars << " ms\n"
        << "chart as pie:         " << pie << " ms"
        << (slowest <= 50 ? " (at most 50 ms: fine)\n" : " (above 50 ms: too slow)\n");
    return ratio <= 2 ? 0 : 1;
}
