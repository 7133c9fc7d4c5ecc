#pragma once

#include "ReportElement.h"

#include <QColor>
#include <QList>
#include <QString>

class QPainter;

// One value of a chart: its caption, its own colour and the count it shows.
struct ChartPoint {
    QString label;
    QColor color;
    qint64 value = 0;
};

// The program's own chart: one series of labelled, individually coloured counts drawn as 3D bars
// or as a 3D pie in oblique projection, with a title above, and a legend and a footer below. It
// paints with QPainter on any device (screen, print preview, printer, PDF, picture); its sizes
// are points, so it looks the same on screen and on paper.
class Chart3D {
public:
    enum class Kind { Bars, Pie };

    Kind kind() const { return m_kind; }
    void setKind(Kind kind) { m_kind = kind; }
    void setTitle(const QString& text, const TextStyle& style);
    void setFooter(const QString& text, const TextStyle& style);
    void setLegendTitle(const QString& text) { m_legendTitle = text; }
    const QList<ChartPoint>& points() const { return m_points; }
    void setPoints(const QList<ChartPoint>& points) { m_points = points; }

    // Fills `rect` with the chart on a white background; nothing is drawn outside it.
    void draw(QPainter& painter, const QRectF& rect) const;

    // The distance between two value lines of the bar chart: the smallest round number (1, 2 or
    // 5 times a power of ten) that reaches `maximum` in at most `steps` steps.
    static qint64 axisStep(qint64 maximum, int steps);

private:
    class Canvas;

    Kind m_kind = Kind::Bars;
    QString m_title;
    TextStyle m_titleStyle;
    QString m_footer;
    TextStyle m_footerStyle;
    QString m_legendTitle;
    QList<ChartPoint> m_points;
};
