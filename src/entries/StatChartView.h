#pragma once

#include "reports/Chart3D.h"

#include <QWidget>

// The chart `ChartStats` of the statistics screen: the same chart that prints, painted over the
// whole widget.
class StatChartView : public QWidget {
    Q_OBJECT
public:
    explicit StatChartView(QWidget* parent);

    const Chart3D& chart() const { return m_chart; }
    void setKind(Chart3D::Kind kind);
    void setPoints(const QList<ChartPoint>& points);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Chart3D m_chart;
};
