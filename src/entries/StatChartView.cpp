#include "StatChartView.h"

#include <QPainter>
#include <QStringList>

namespace {

const TextStyle kTitle{
    .family = QStringLiteral("Verdana"), .pointSize = 20, .bold = true, .color = QColor(0xD04498)};
const TextStyle kFooter{
    .family = QStringLiteral("Verdana"), .pointSize = 11, .bold = true, .color = QColor(0x7294F9)};

} // namespace

StatChartView::StatChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ChartStats"));
    setAccessibleName(QStringLiteral("Statistiche ingressi mensili"));
    setMinimumSize(480, 320);
    m_chart.setTitle(QStringLiteral("Statistiche ingressi mensili"), kTitle);
    m_chart.setFooter(
        QStringLiteral("Le statistiche si basano sugli ingressi effettivamente registrati per tutti gli "
                       "Iscritti."),
        kFooter);
    m_chart.setLegendTitle(QStringLiteral("Visite:"));
}

void StatChartView::setKind(Chart3D::Kind kind) {
    m_chart.setKind(kind);
    update();
}

void StatChartView::setPoints(const QList<ChartPoint>& points) {
    m_chart.setPoints(points);
    // What the picture shows, for a screen reader: each month with its count.
    QStringList counts;
    for (const ChartPoint& p : points)
        counts << p.label + QStringLiteral(": ") + QString::number(p.value);
    setAccessibleDescription(counts.join(QStringLiteral(", ")));
    update();
}

void StatChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_chart.draw(painter, rect());
}
