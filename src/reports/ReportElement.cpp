#include "ReportElement.h"

QFont TextStyle::font() const {
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    // No ligatures: a PDF must give back "fi" as two letters when its text is searched or copied.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

ReportElement ReportElement::makeText(const QString& name, const QRectF& box, const TextStyle& style,
                                      const QString& text, const QColor& fill, const QColor& border) {
    ReportElement e;
    e.kind = Kind::Text;
    e.name = name;
    e.box = box;
    e.style = style;
    e.text = text;
    e.fill = fill;
    e.border = border;
    return e;
}

ReportElement ReportElement::makeRect(const QRectF& box, const QColor& fill, const QColor& border) {
    ReportElement e;
    e.kind = Kind::Rect;
    e.box = box;
    e.fill = fill;
    e.border = border;
    return e;
}

ReportElement ReportElement::makeLine(const QRectF& box) {
    ReportElement e;
    e.kind = Kind::Line;
    e.box = box;
    return e;
}

ReportElement ReportElement::makePicture(const QString& name, const QRectF& box, const QColor& fill) {
    ReportElement e;
    e.kind = Kind::Picture;
    e.name = name;
    e.box = box;
    e.fill = fill;
    return e;
}

ReportElement ReportElement::makePainted(const QString& name, const QRectF& box, Paint paint) {
    ReportElement e;
    e.kind = Kind::Painted;
    e.name = name;
    e.box = box;
    e.paint = std::move(paint);
    return e;
}
