#include "ReceiptArt.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The largest square inside `box`, centred: the pictures are drawn on a unit square.
QRectF square(const QRectF& box) {
    const double side = std::min(box.width(), box.height());
    QRectF s(0, 0, side, side);
    s.moveCenter(box.center());
    return s;
}

} // namespace

namespace ReceiptArt {

void euroSign(QPainter& painter, const QRectF& box, const QColor& colour) {
    const QRectF s = square(box);
    const double u = s.width();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(s.topLeft());
    // An open ring, thick, with its opening to the right, and two bars across its left side.
    painter.setPen(QPen(colour, u * 0.11, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF ring(u * 0.24, u * 0.12, u * 0.68, u * 0.76);
    painter.drawArc(ring, 45 * 16, 270 * 16);
    painter.setPen(QPen(colour, u * 0.08, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(u * 0.08, u * 0.42), QPointF(u * 0.62, u * 0.42));
    painter.drawLine(QPointF(u * 0.08, u * 0.58), QPointF(u * 0.58, u * 0.58));
    painter.restore();
}

void comma(QPainter& painter, const QRectF& box) {
    // A round dot with a tail bending down to the left, as a comma is printed.
    const double w = box.width();
    const double h = box.height();
    QPainterPath mark;
    mark.addEllipse(QRectF(box.left(), box.top(), w, std::min(w, h)));
    mark.moveTo(box.left() + w, box.top() + w * 0.5);
    mark.quadTo(box.left() + w, box.top() + h * 0.8, box.left(), box.bottom());
    mark.lineTo(box.left() + w * 0.35, box.top() + w * 0.6);
    mark.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(mark.simplified());
    painter.restore();
}

void scissors(QPainter& painter, const QRectF& box) {
    const QRectF s = square(box);
    const double u = s.width();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(s.topLeft());
    // Open scissors pointing right, along the cut line: two rings for the fingers and two blades
    // crossing at the pivot.
    painter.setPen(QPen(Qt::black, u * 0.07));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(u * 0.04, u * 0.12, u * 0.26, u * 0.26));
    painter.drawEllipse(QRectF(u * 0.04, u * 0.62, u * 0.26, u * 0.26));
    painter.setPen(QPen(Qt::black, u * 0.09, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(u * 0.27, u * 0.33), QPointF(u * 0.96, u * 0.66));
    painter.drawLine(QPointF(u * 0.27, u * 0.67), QPointF(u * 0.96, u * 0.34));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(u * 0.61, u * 0.5), u * 0.04, u * 0.04);
    painter.restore();
}

} // namespace ReceiptArt
