#include "Chart3D.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// Every length of the chart, in points (1/72 inch).
struct Geometry {
    double margin = 10;    // inside the chart's rectangle
    double gap = 8;        // between title, plot, legend and footer
    double swatch = 9;     // side of a legend square
    double swatchGap = 4;  // legend square to its caption
    double columnGap = 14; // between two legend columns
    double tick = 4;       // axis caption to its line, month caption to the floor
    double padding = 2;    // around the text of a value mark
    double lift = 3;       // value mark above its bar
    double leader = 12;    // pie slice to its value mark
    double pen = 0.6;      // outlines and grid lines
    double axisPitch = 24; // least room between two value lines
};
constexpr Geometry kGeometry;

// Proportions of the 3D shapes.
struct Proportions {
    double barFill = 0.55; // bar width over its slot, the rest is air between bars
    double barDepth = 0.5; // how far a bar recedes, over its width
    double recede = 45;    // degrees: the direction in which depth is drawn
    double pieTilt = 0.5;  // height over width of the pie's top
    double pieRim = 0.12;  // depth of the pie's rim over its half width
    int maxAxisSteps = 10;
};
constexpr Proportions kShape;

// Colours of what is not a point of the series.
struct Palette {
    QRgb background = 0xFFFFFF;
    QRgb backWall = 0xF2F2F2;
    QRgb sideWall = 0xE6E6E6;
    QRgb floor = 0xD8D8D8;
    QRgb grid = 0xB0B0B0;
    QRgb outline = 0x505050;
    QRgb text = 0x000000;
    QRgb mark = 0xFFFFE1;
};
constexpr Palette kPalette;

// Light falls from above: top faces are lighter than the point's colour, sides darker.
constexpr double kTopLight = 0.45;
constexpr double kSideShade = 0.3;

const TextStyle kLabelStyle{.family = QStringLiteral("Verdana"), .pointSize = 8};

QColor mixed(const QColor& colour, const QColor& toward, double amount) {
    const auto mix = [amount](double a, double b) { return a + (b - a) * amount; };
    return QColor::fromRgbF(float(mix(colour.redF(), toward.redF())),
                            float(mix(colour.greenF(), toward.greenF())),
                            float(mix(colour.blueF(), toward.blueF())));
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// The point of an oval at an angle in Qt's degrees (counter-clockwise from three o'clock): the
// oval is a circle seen aslant, and the angle is the circle's.
QPointF onOval(const QRectF& oval, double degrees) {
    return {oval.center().x() + oval.width() / 2 * std::cos(radians(degrees)),
            oval.center().y() - oval.height() / 2 * std::sin(radians(degrees))};
}

} // namespace

// One drawing of a chart on one device, in device pixels.
class Chart3D::Canvas {
public:
    Canvas(const Chart3D& chart, QPainter& painter)
        : m_chart(chart), m_p(painter), m_k(painter.device()->logicalDpiY() / 72.0),
          m_font(kLabelStyle.font()), m_metrics(m_font, painter.device()) {}

    void draw(const QRectF& rect) {
        m_p.save();
        m_p.setClipRect(rect, Qt::IntersectClip);
        m_p.setRenderHint(QPainter::Antialiasing);
        m_p.fillRect(rect, QColor(kPalette.background));
        const double margin = pt(kGeometry.margin);
        QRectF area = rect.adjusted(margin, margin, -margin, -margin);
        area = caption(area, m_chart.m_title, m_chart.m_titleStyle, Qt::AlignTop);
        area = caption(area, m_chart.m_footer, m_chart.m_footerStyle, Qt::AlignBottom);
        area = legend(area);
        m_p.setFont(m_font);
        if (area.width() > 0 && area.height() > 0) {
            if (m_chart.m_kind == Kind::Bars)
                bars(area);
            else
                pie(area);
        }
        m_p.restore();
    }

private:
    double pt(double points) const { return points * m_k; }
    QPen outline() const { return QPen(QColor(kPalette.outline), pt(kGeometry.pen)); }
    qint64 valueOf(const ChartPoint& point) const { return std::max<qint64>(point.value, 0); }

    // Draws a title or footer at the top or bottom of `area`; returns what is left.
    QRectF caption(const QRectF& area, const QString& text, const TextStyle& style, Qt::Alignment side) {
        if (text.isEmpty())
            return area;
        const QFont font = style.font();
        m_p.setFont(font);
        const int flags = int(Qt::AlignHCenter | side) | Qt::TextWordWrap;
        const double height = m_p.boundingRect(area, flags, text).height();
        m_p.setPen(style.color);
        m_p.drawText(area, flags, text);
        const double used = height + pt(kGeometry.gap);
        return side == Qt::AlignTop ? area.adjusted(0, used, 0, 0) : area.adjusted(0, 0, 0, -used);
    }

    // The legend at the bottom of `area`: its title, then a coloured square and the caption of
    // every point, in as few rows as the width allows. Returns the room left above it.
    QRectF legend(const QRectF& area) {
        const QList<ChartPoint>& points = m_chart.m_points;
        if (points.isEmpty())
            return area;
        QFont bold = m_font;
        bold.setBold(true);
        const double title =
            m_chart.m_legendTitle.isEmpty()
                ? 0
                : QFontMetricsF(bold, m_p.device()).horizontalAdvance(m_chart.m_legendTitle) +
                      pt(kGeometry.columnGap);
        double widest = 0;
        for (const ChartPoint& point : points)
            widest = std::max(widest, m_metrics.horizontalAdvance(point.label));
        const double item = pt(kGeometry.swatch + kGeometry.swatchGap + kGeometry.columnGap) + widest;
        const auto count = int(points.size());
        int columns = std::clamp(int((area.width() - title + pt(kGeometry.columnGap)) / item), 1, count);
        const int rows = (count + columns - 1) / columns;
        columns = (count + rows - 1) / rows;
        const double line = std::max(m_metrics.height(), pt(kGeometry.swatch));
        const double width = title + columns * item - pt(kGeometry.columnGap);
        const QPointF origin(area.center().x() - width / 2, area.bottom() - rows * line);

        m_p.setPen(QColor(kPalette.text));
        if (title > 0) {
            m_p.setFont(bold);
            m_p.drawText(QRectF(origin, QSizeF(title, line)), Qt::AlignLeft | Qt::AlignVCenter,
                         m_chart.m_legendTitle);
        }
        m_p.setFont(m_font);
        for (int i = 0; i < count; ++i) {
            const QPointF cell = origin + QPointF(title + (i % columns) * item, (i / columns) * line);
            const QRectF square(cell.x(), cell.y() + (line - pt(kGeometry.swatch)) / 2, pt(kGeometry.swatch),
                                pt(kGeometry.swatch));
            m_p.setPen(outline());
            m_p.setBrush(points[i].color);
            m_p.drawRect(square);
            m_p.setPen(QColor(kPalette.text));
            m_p.drawText(QRectF(square.right() + pt(kGeometry.swatchGap), cell.y(), widest, line),
                         Qt::AlignLeft | Qt::AlignVCenter, points[i].label);
        }
        return area.adjusted(0, 0, 0, -(rows * line + pt(kGeometry.gap)));
    }

    QSizeF markSize(qint64 value) const {
        return QSizeF(m_metrics.horizontalAdvance(QString::number(value)), m_metrics.height()) +
               QSizeF(2 * pt(kGeometry.padding), 2 * pt(kGeometry.padding));
    }

    // A point's value in a small box.
    void mark(const QRectF& box, qint64 value) {
        m_p.setPen(outline());
        m_p.setBrush(QColor(kPalette.mark));
        m_p.drawRect(box);
        m_p.setPen(QColor(kPalette.text));
        m_p.drawText(box, Qt::AlignCenter, QString::number(value));
    }

    void polygon(std::initializer_list<QPointF> corners, const QColor& fill, const QPen& pen) {
        m_p.setPen(pen);
        m_p.setBrush(fill);
        m_p.drawPolygon(QPolygonF(corners));
    }

    // Bars stand on a floor before a back wall with a line for every axis step; each bar has a
    // front face in its point's colour, a lighter top and a darker right side, and its value
    // above it. Depth runs up and to the right.
    void bars(const QRectF& plot) {
        const QList<ChartPoint>& points = m_chart.m_points;
        const auto slots = std::max<int>(int(points.size()), 1);
        qint64 maximum = 0;
        double widest = 0;
        for (const ChartPoint& point : points) {
            maximum = std::max(maximum, valueOf(point));
            widest = std::max(widest, m_metrics.horizontalAdvance(point.label));
        }
        const double line = m_metrics.height();
        const double tick = pt(kGeometry.tick);

        // The depth follows from the narrowest slot the bars can get: the axis captions are never
        // wider than the maximum's digits and one more, the top line being below ten times it.
        const double axisBound =
            m_metrics.horizontalAdvance(QString(QString::number(maximum).size() + 1, u'0')) + tick;
        const double recede = kShape.barDepth * kShape.barFill * std::cos(radians(kShape.recede));
        const double narrowest = (plot.width() - axisBound) / (slots + recede);
        const double depth = kShape.barDepth * kShape.barFill * narrowest;
        const QPointF d(depth * std::cos(radians(kShape.recede)), -depth * std::sin(radians(kShape.recede)));
        // Captions wider than a slot are turned aslant so that they never overlap.
        const bool aslant = widest > narrowest;
        const double captions = tick + (aslant ? (widest + line) * std::sin(radians(kShape.recede)) : line);
        const double markHeight = line + 2 * pt(kGeometry.padding);

        QRectF front =
            plot.adjusted(0, std::max(-d.y(), -d.y() / 2 + pt(kGeometry.lift) + markHeight), 0, -captions);
        if (front.height() <= 0 || narrowest <= 0)
            return;
        const int steps = std::clamp(int(front.height() / pt(kGeometry.axisPitch)), 1, kShape.maxAxisSteps);
        const qint64 step = axisStep(maximum, steps);
        // The axis runs to the first step at or above the maximum; where that step would not fit
        // in a count, axisStep has made the maximum itself the only step.
        const qint64 lines = std::max<qint64>(1, maximum / step + (maximum % step != 0));
        const qint64 top = step * lines;
        double axisWidth = 0;
        for (qint64 i = 0; i <= lines; ++i)
            axisWidth = std::max(axisWidth, m_metrics.horizontalAdvance(QString::number(i * step)));
        front.setLeft(plot.left() + axisWidth + tick);
        front.setRight(plot.right() - d.x());
        const auto yOf = [&](qint64 v) { return front.bottom() - front.height() * double(v) / double(top); };

        const QPen grid(QColor(kPalette.grid), pt(kGeometry.pen));
        polygon({front.bottomLeft(), front.bottomRight(), front.bottomRight() + d, front.bottomLeft() + d},
                QColor(kPalette.floor), grid);
        polygon({front.bottomLeft(), front.topLeft(), front.topLeft() + d, front.bottomLeft() + d},
                QColor(kPalette.sideWall), grid);
        polygon({front.topLeft() + d, front.topRight() + d, front.bottomRight() + d, front.bottomLeft() + d},
                QColor(kPalette.backWall), grid);
        for (qint64 i = 0; i <= lines; ++i) {
            const qint64 v = i * step;
            const QPointF left(front.left(), yOf(v));
            m_p.setPen(grid);
            m_p.drawPolyline(QPolygonF({left, left + d, QPointF(front.right(), left.y()) + d}));
            m_p.setPen(QColor(kPalette.text));
            m_p.drawText(QRectF(plot.left(), left.y() - line / 2, axisWidth, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
        }

        const double slot = front.width() / slots;
        const double width = slot * kShape.barFill;
        for (qsizetype i = 0; i < points.size(); ++i) {
            const ChartPoint& point = points[i];
            const double x = front.left() + slot * double(i) + (slot - width) / 2;
            const QRectF face(QPointF(x, yOf(valueOf(point))), QPointF(x + width, front.bottom()));
            if (face.height() > 0) {
                polygon({face.topRight(), face.bottomRight(), face.bottomRight() + d, face.topRight() + d},
                        mixed(point.color, Qt::black, kSideShade), outline());
                polygon({face.topLeft(), face.topRight(), face.topRight() + d, face.topLeft() + d},
                        mixed(point.color, Qt::white, kTopLight), outline());
                m_p.setPen(outline());
                m_p.setBrush(point.color);
                m_p.drawRect(face);
            }
            const QSizeF size = markSize(valueOf(point));
            const QPointF above = face.topLeft() + QPointF(width / 2, 0) + d / 2;
            mark(QRectF(QPointF(above.x() - size.width() / 2, above.y() - pt(kGeometry.lift) - size.height()),
                        size),
                 valueOf(point));

            m_p.setPen(QColor(kPalette.text));
            const QPointF foot(x + width / 2, front.bottom() + tick);
            if (aslant) {
                m_p.save();
                m_p.translate(foot);
                m_p.rotate(-kShape.recede);
                m_p.drawText(QRectF(-widest, 0, widest, line), Qt::AlignRight | Qt::AlignTop, point.label);
                m_p.restore();
            } else {
                m_p.drawText(QRectF(foot.x() - slot / 2, foot.y(), slot, line),
                             Qt::AlignHCenter | Qt::AlignTop, point.label);
            }
        }
    }

    // The part of the pie's rim between two angles of its front half, as seen from the front.
    static QPainterPath rim(const QRectF& oval, double depth, double from, double to) {
        const QRectF lower = oval.translated(0, depth);
        QPainterPath path(onOval(oval, from));
        path.arcTo(oval, from, to - from);
        path.lineTo(onOval(lower, to));
        path.arcTo(lower, to, from - to);
        path.closeSubpath();
        return path;
    }

    // A pie seen from above and in front: an oval top whose slices run clockwise from twelve
    // o'clock, and the rim of its front half below it. Every value stands beside its slice; a
    // zero value has neither slice nor mark.
    void pie(const QRectF& plot) {
        const QList<ChartPoint>& points = m_chart.m_points;
        double total = 0; // a sum of counts that may not fit in one
        QSizeF widest;
        for (const ChartPoint& point : points) {
            total += double(valueOf(point));
            widest = widest.expandedTo(markSize(valueOf(point)));
        }
        const double leader = pt(kGeometry.leader);
        const double rx =
            std::min((plot.width() - 2 * (widest.width() + leader)) / 2,
                     (plot.height() - 2 * (widest.height() + leader)) / (2 * kShape.pieTilt + kShape.pieRim));
        if (rx <= 0)
            return;
        const double ry = rx * kShape.pieTilt;
        const double depth = rx * kShape.pieRim;
        const QRectF oval(plot.center().x() - rx, plot.center().y() - depth / 2 - ry, 2 * rx, 2 * ry);

        if (total == 0) {
            m_p.setPen(QPen(QColor(kPalette.grid), pt(kGeometry.pen)));
            m_p.setBrush(Qt::NoBrush);
            m_p.drawPath(rim(oval, depth, -180, 0));
            m_p.drawEllipse(oval);
            return;
        }

        // In Qt's degrees the front half of the rim lies between -180 and 0, and the slices,
        // starting at 90 and turning clockwise, never go below -270.
        struct Slice {
            const ChartPoint* point;
            double from;
            double span; // negative: clockwise
        };
        QList<Slice> slices;
        double angle = 90;
        for (const ChartPoint& point : points) {
            if (valueOf(point) == 0)
                continue;
            const double span = -360.0 * double(valueOf(point)) / total;
            slices.append({&point, angle, span});
            angle += span;
        }
        for (const Slice& s : slices) {
            const double from = std::max(s.from + s.span, -180.0);
            const double to = std::min(s.from, 0.0);
            if (from < to) {
                m_p.setPen(outline());
                m_p.setBrush(mixed(s.point->color, Qt::black, kSideShade));
                m_p.drawPath(rim(oval, depth, from, to));
            }
        }
        for (const Slice& s : slices) {
            QPainterPath top(oval.center());
            top.arcTo(oval, s.from, s.span);
            top.closeSubpath();
            m_p.setPen(outline());
            m_p.setBrush(s.point->color);
            m_p.drawPath(top);
        }
        struct Mark {
            QPointF edge; // where its leader leaves the slice
            QRectF box;
            qint64 value;
        };
        QList<Mark> marks;
        for (const Slice& s : slices) {
            const double middle = s.from + s.span / 2;
            const double c = std::cos(radians(middle));
            const double below = std::sin(radians(middle)) < 0 ? depth : 0;
            const QPointF end =
                onOval(oval.adjusted(-leader, -leader, leader, leader), middle) + QPointF(0, below);
            QRectF box(QPointF(), markSize(valueOf(*s.point)));
            box.moveCenter(end);
            if (c > 0.3)
                box.moveLeft(end.x());
            else if (c < -0.3)
                box.moveRight(end.x());
            else if (below > 0)
                box.moveTop(end.y());
            else
                box.moveBottom(end.y());
            marks.append({onOval(oval, middle) + QPointF(0, below), box, valueOf(*s.point)});
        }
        // Small neighbouring slices would stack their marks: on each side of the pie, a mark is
        // moved down below the one above it, then back up where it would leave the plot.
        const double gap = pt(kGeometry.padding);
        for (const bool left : {true, false}) {
            QList<Mark*> side;
            for (Mark& m : marks)
                if ((m.box.center().x() < oval.center().x()) == left)
                    side.append(&m);
            std::sort(side.begin(), side.end(),
                      [](const Mark* a, const Mark* b) { return a->box.top() < b->box.top(); });
            for (qsizetype i = 1; i < side.size(); ++i)
                side[i]->box.moveTop(std::max(side[i]->box.top(), side[i - 1]->box.bottom() + gap));
            for (qsizetype i = side.size() - 1; i >= 0; --i) {
                const double limit = i + 1 < side.size() ? side[i + 1]->box.top() - gap : plot.bottom();
                side[i]->box.moveBottom(std::min(side[i]->box.bottom(), limit));
            }
        }
        for (const Mark& m : marks) {
            m_p.setPen(outline());
            m_p.drawLine(m.edge, QPointF(std::clamp(m.edge.x(), m.box.left(), m.box.right()),
                                         std::clamp(m.edge.y(), m.box.top(), m.box.bottom())));
            mark(m.box, m.value);
        }
    }

    const Chart3D& m_chart;
    QPainter& m_p;
    double m_k; // device pixels per point
    QFont m_font;
    QFontMetricsF m_metrics;
};

void Chart3D::setTitle(const QString& text, const TextStyle& style) {
    m_title = text;
    m_titleStyle = style;
}

void Chart3D::setFooter(const QString& text, const TextStyle& style) {
    m_footer = text;
    m_footerStyle = style;
}

void Chart3D::draw(QPainter& painter, const QRectF& rect) const {
    if (rect.isEmpty() || !painter.isActive())
        return;
    Canvas(*this, painter).draw(rect);
}

qint64 Chart3D::axisStep(qint64 maximum, int steps) {
    steps = std::max(steps, 1);
    maximum = std::max<qint64>(maximum, 0);
    for (qint64 power = 1; power <= std::numeric_limits<qint64>::max() / 10; power *= 10)
        for (const qint64 m : {1, 2, 5}) {
            const qint64 step = m * power;
            if (maximum / step + (maximum % step != 0) <= steps)
                return step;
        }
    return maximum;
}
