#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

// How a text element draws its text.
struct TextStyle {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    QColor color = Qt::black;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    // Without word wrap every line is cut at the box's right edge.
    bool wordWrap = false;
    // Distance between two lines in millimetres; 0 takes the font's own line spacing.
    double linePitch = 0;

    QFont font() const;
};

// One named object of a report template. Positions and sizes are millimetres, measured from the
// top-left corner of what holds the element: the printable area of the page, or its band.
struct ReportElement {
    enum class Kind { Text, Rect, Line, Picture, Painted };
    // Draws a Painted element into its box, given in the device's pixels.
    using Paint = std::function<void(QPainter& painter, const QRectF& box)>;

    Kind kind = Kind::Rect;
    QString name;
    QRectF box;
    // Background and thin frame; an invalid colour draws nothing.
    QColor fill;
    QColor border;
    QString text;
    TextStyle style;
    // Drawn scaled into the box keeping its proportions, centred; a null picture draws nothing.
    QImage picture;
    // What a Painted element delegates its drawing to (a chart); nothing draws nothing.
    Paint paint;

    static ReportElement makeText(const QString& name, const QRectF& box, const TextStyle& style,
                                  const QString& text = {}, const QColor& fill = {},
                                  const QColor& border = {});
    static ReportElement makeRect(const QRectF& box, const QColor& fill, const QColor& border = {});
    // A thin line from the box's top-left to its bottom-right corner: width 0 draws a vertical
    // line, height 0 a horizontal one.
    static ReportElement makeLine(const QRectF& box);
    static ReportElement makePicture(const QString& name, const QRectF& box, const QColor& fill = {});
    static ReportElement makePainted(const QString& name, const QRectF& box, Paint paint);
};
