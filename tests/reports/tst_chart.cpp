#include "PdfTools.h"
#include "TestMain.h"
#include "reports/Chart3D.h"
#include "reports/ChartReport.h"
#include "reports/ReportRenderer.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

namespace {

constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kGreen = 0x00FF00;

Chart3D chartOf(Chart3D::Kind kind, const QList<qint64>& values) {
    constexpr QRgb kColours[] = {kRed, kBlue, kGreen, 0xFFE4C4, 0xFF00FF, 0xF0FBFF};
    Chart3D chart;
    chart.setKind(kind);
    chart.setTitle(
        QStringLiteral("Statistiche ingressi mensili"),
        {.family = QStringLiteral("Verdana"), .pointSize = 20, .bold = true, .color = QColor(0xD04498)});
    chart.setFooter(
        QStringLiteral("Le statistiche si basano sugli ingressi effettivamente registrati."),
        {.family = QStringLiteral("Verdana"), .pointSize = 11, .bold = true, .color = QColor(0x7294F9)});
    chart.setLegendTitle(QStringLiteral("Visite:"));
    QList<ChartPoint> points;
    for (qsizetype i = 0; i < values.size(); ++i)
        points.append({QStringLiteral("Mese %1").arg(i + 1), QColor(kColours[i]), values[i]});
    chart.setPoints(points);
    return chart;
}

QImage drawn(const Chart3D& chart, QSize size = QSize(1200, 800)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    chart.draw(painter, QRectF(QPointF(), size));
    return image;
}

bool near(QRgb pixel, QColor expected, int tolerance = 8) {
    const QColor c(pixel);
    return std::abs(c.red() - expected.red()) <= tolerance &&
           std::abs(c.green() - expected.green()) <= tolerance &&
           std::abs(c.blue() - expected.blue()) <= tolerance;
}

// The longest vertical run of pixels of exactly `colour`: where it is and how tall.
struct Run {
    int x = -1;
    int top = -1;
    int length = 0;
};

Run longestRun(const QImage& image, QRgb colour) {
    Run best;
    for (int x = 0; x < image.width(); ++x) {
        int length = 0;
        for (int y = 0; y < image.height(); ++y) {
            length = (image.pixel(x, y) & 0xFFFFFF) == colour ? length + 1 : 0;
            if (length > best.length)
                best = {x, y - length + 1, length};
        }
    }
    return best;
}

int pixelsOf(const QImage& image, QRgb colour, QColor near = {}) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += near.isValid() ? ::near(image.pixel(x, y), near, 3)
                                    : (image.pixel(x, y) & 0xFFFFFF) == colour;
    return count;
}

// Legend squares hold a few of these pixels; a bar or a slice holds far more.
constexpr int kSwatchPixels = 200;

} // namespace

class ChartTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void axisStepsAreRoundNumbers_data() {
        QTest::addColumn<qint64>("maximum");
        QTest::addColumn<int>("steps");
        QTest::addColumn<qint64>("step");
        QTest::newRow("all zero") << qint64(0) << 5 << qint64(1);
        QTest::newRow("one") << qint64(1) << 5 << qint64(1);
        QTest::newRow("fits in ones") << qint64(5) << 5 << qint64(1);
        QTest::newRow("twos") << qint64(6) << 5 << qint64(2);
        QTest::newRow("fives") << qint64(11) << 5 << qint64(5);
        QTest::newRow("tens") << qint64(26) << 5 << qint64(10);
        QTest::newRow("exact multiple") << qint64(100) << 10 << qint64(10);
        QTest::newRow("just above") << qint64(101) << 10 << qint64(20);
        QTest::newRow("large") << qint64(123456) << 6 << qint64(50000);
        QTest::newRow("single step") << qint64(7) << 1 << qint64(10);
        QTest::newRow("no room counts as one step") << qint64(7) << 0 << qint64(10);
        QTest::newRow("negative counts as zero") << qint64(-4) << 5 << qint64(1);
        QTest::newRow("the largest count")
            << std::numeric_limits<qint64>::max() << 1 << std::numeric_limits<qint64>::max();
    }
    void axisStepsAreRoundNumbers() {
        QFETCH(qint64, maximum);
        QFETCH(int, steps);
        QFETCH(qint64, step);
        QCOMPARE(Chart3D::axisStep(maximum, steps), step);
    }

    void barsStandAsTallAsTheirValuesWithALighterTopAndADarkerSide() {
        const QImage image = drawn(chartOf(Chart3D::Kind::Bars, {10, 0, 5, 1, 1, 1}));
        const Run red = longestRun(image, kRed);
        const Run green = longestRun(image, kGreen);
        QVERIFY2(red.length > 200, qPrintable(QString::number(red.length)));
        QVERIFY2(std::abs(2 * green.length - red.length) <= 4,
                 qPrintable(QStringLiteral("%1 %2").arg(green.length).arg(red.length)));
        QCOMPARE(red.top + red.length, green.top + green.length); // on the same floor
        QVERIFY(longestRun(image, kBlue).length < 20);            // a zero bar: only its legend square

        // Above the middle of the front face its top, to its right its side, in the bar's colour.
        const int middle = red.top + red.length / 2;
        int right = red.x;
        while ((image.pixel(right + 1, middle) & 0xFFFFFF) == kRed)
            ++right;
        QVERIFY(right - red.x > 40);
        QVERIFY(near(image.pixel((red.x + right) / 2, red.top - 4), QColor(255, 115, 115)));
        QVERIFY(near(image.pixel(right + 4, middle), QColor(179, 0, 0)));
        // The chart fills its rectangle: background white, the title in its colour.
        QCOMPARE(image.pixel(1, 1) & 0xFFFFFF, QRgb(0xFFFFFF));
        QVERIFY(pixelsOf(image, 0xD04498) > 100);
    }

    void pieSlicesCoverTheirShareAndZeroValuesHaveNone() {
        // Clockwise from twelve o'clock: red takes the back right quarter, blue the rest.
        const QImage image = drawn(chartOf(Chart3D::Kind::Pie, {10, 30, 0, 0, 0, 0}));
        const int red = pixelsOf(image, kRed);
        const int blue = pixelsOf(image, kBlue);
        QVERIFY2(red > 5000, qPrintable(QString::number(red)));
        const double ratio = double(blue - kSwatchPixels / 2) / double(red - kSwatchPixels / 2);
        QVERIFY2(std::abs(ratio - 3) < 0.15, qPrintable(QString::number(ratio)));
        QVERIFY(pixelsOf(image, kGreen) < kSwatchPixels);
        // The rim shows below the front slices only, in their darker shade.
        QVERIFY(pixelsOf(image, 0, QColor(0, 0, 179)) > 1000);
        QCOMPARE(pixelsOf(image, 0, QColor(179, 0, 0)), 0);
    }

    void allZeroCountsDrawAnEmptyChart_data() {
        QTest::addColumn<Chart3D::Kind>("kind");
        QTest::newRow("bars") << Chart3D::Kind::Bars;
        QTest::newRow("pie") << Chart3D::Kind::Pie;
    }
    void allZeroCountsDrawAnEmptyChart() {
        QFETCH(Chart3D::Kind, kind);
        const QImage image = drawn(chartOf(kind, {0, 0, 0, 0, 0, 0}));
        for (const QRgb colour : {kRed, kBlue, kGreen})
            QVERIFY(pixelsOf(image, colour) < kSwatchPixels);
        QVERIFY(pixelsOf(image, kRed) > 0); // the legend keeps every point
        QVERIFY(pixelsOf(image, 0xD04498) > 100);
    }

    void extremeCountsAndTinyWindowsStillDraw() {
        constexpr qint64 kHuge = std::numeric_limits<qint64>::max();
        for (const Chart3D::Kind kind : {Chart3D::Kind::Bars, Chart3D::Kind::Pie}) {
            const Chart3D chart = chartOf(kind, {kHuge, kHuge, -5, 0, 1, 2});
            const QImage tiny = drawn(chart, QSize(40, 30));
            QCOMPARE(tiny.pixel(0, 0) & 0xFFFFFF, QRgb(0xFFFFFF));
            const QImage image = drawn(chart);
            QVERIFY(pixelsOf(image, kRed) > 5000);
            QVERIFY(pixelsOf(image, kGreen) < kSwatchPixels); // a negative count draws as zero
        }
    }

    void aChartPrintsThroughTheReportEngineOnceForEveryCopy() {
        const ReportTemplate report =
            ChartReport::make(QStringLiteral("Grafico"), chartOf(Chart3D::Kind::Bars, {10, 0, 5, 1, 1, 1}));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
        const ReportRenderer renderer(report);
        QPdfWriter writer(pdf);
        writer.setResolution(1200);
        writer.setPageLayout(renderer.pageLayout());
        renderer.render(writer, 3);

        QCOMPARE(PdfTools::pageCount(pdf), 3);
        const QString text = PdfTools::text(pdf);
        for (const char* expected : {"Statistiche ingressi mensili", "Visite:", "Mese 1", "Mese 6",
                                     "Le statistiche si basano sugli ingressi effettivamente registrati."})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        const QImage page = PdfTools::firstPage(pdf);
        QVERIFY(page.width() > page.height());
        QVERIFY(longestRun(page, kRed).length > 100);
    }
};

ZANDORIO_TEST(ChartTest)

#include "tst_chart.moc"
