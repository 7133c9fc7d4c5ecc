#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The small pictures of the receipts, drawn rather than shipped so that they print sharp at any
// size: the euro sign, the comma between euros and cents, and the scissors of the cut line. Each
// fills the box it is given, keeping its own proportions, centred.
namespace ReceiptArt {

void euroSign(QPainter& painter, const QRectF& box, const QColor& colour = Qt::black);
void comma(QPainter& painter, const QRectF& box);
void scissors(QPainter& painter, const QRectF& box);

} // namespace ReceiptArt
