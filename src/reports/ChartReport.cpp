#include "ChartReport.h"

#include "Chart3D.h"

namespace {

// A4 landscape less the template's 10 mm margins.
constexpr QRectF kChartBox(0, 0, 277, 190);

} // namespace

ReportTemplate ChartReport::make(const QString& name, const Chart3D& chart) {
    ReportTemplate report(name, QPageLayout::Landscape);
    report.add(ReportElement::makePainted(
        QStringLiteral("ChartStats"), kChartBox,
        [chart](QPainter& painter, const QRectF& box) { chart.draw(painter, box); }));
    return report;
}
