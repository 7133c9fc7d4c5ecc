#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kSteelBlue(0x46, 0x82, 0xB4);
const QColor kNavy(0x1E, 0x3A, 0x5F);
const QColor kOrange(0xFF, 0xA5, 0x00);
const QColor kRed(0xD3, 0x2F, 0x2F);

QFont arial(int pointSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

// A blue disc with a white dumbbell across it, drawn into the square `box`.
void drawEmblem(QPainter& p, const QRectF& box) {
    QRadialGradient disc(box.center(), box.width() / 2,
                         box.topLeft() + QPointF(box.width() / 3, box.height() / 3));
    disc.setColorAt(0, kSteelBlue.lighter(130));
    disc.setColorAt(1, kNavy);
    p.setPen(QPen(Qt::white, box.width() / 40));
    p.setBrush(disc);
    p.drawEllipse(box.adjusted(2, 2, -2, -2));

    const double u = box.width() / 20;
    const QPointF c = box.center();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(c.x() - 6 * u, c.y() - 0.5 * u, 12 * u, u), 0.4 * u, 0.4 * u);
    for (int side : {-1, 1}) {
        p.drawRoundedRect(QRectF(c.x() + side * 6.5 * u - 0.9 * u, c.y() - 3.2 * u, 1.8 * u, 6.4 * u),
                          0.5 * u, 0.5 * u);
        p.drawRoundedRect(QRectF(c.x() + side * 4.6 * u - 0.7 * u, c.y() - 2.4 * u, 1.4 * u, 4.8 * u),
                          0.4 * u, 0.4 * u);
    }
}

} // namespace

namespace Artwork {

QPixmap logo(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawEmblem(p, QRectF(0, 0, side, side));
    return pixmap;
}

QPixmap credits() {
    const QRectF area(0, 0, 625, 380);
    QPixmap pixmap(area.size().toSize());
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, kNavy);
    sky.setColorAt(0.55, kSteelBlue);
    sky.setColorAt(1, Qt::white);
    p.fillRect(area, sky);

    // A running track sweeping across the lower part of the picture.
    QPainterPath track;
    track.moveTo(0, 330);
    track.cubicTo(200, 250, 420, 400, 625, 300);
    p.setBrush(Qt::NoBrush);
    for (int lane = 0; lane < 4; ++lane) {
        p.setPen(QPen(QColor(255, 255, 255, 150 - 30 * lane), 3));
        p.drawPath(track.translated(0, 14 * lane));
    }

    drawEmblem(p, QRectF(40, 60, 190, 190));

    p.setPen(Qt::white);
    p.setFont(arial(44, true));
    p.drawText(QRectF(250, 70, 360, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zandorio"));
    p.setFont(arial(13, false));
    p.drawText(QRectF(252, 150, 360, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Gestione di palestre e associazioni sportive dilettantistiche"));
    p.setPen(kOrange);
    p.setFont(arial(9, true));
    p.drawText(QRectF(252, 215, 370, 40), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Iscritti · Tessere · Allenamenti · Ingressi · Ricevute · Incassi"));
    p.setPen(kNavy);
    p.setFont(arial(9, false));
    p.drawText(area.adjusted(0, 0, -16, -10), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("Tutti i diritti riservati."));
    return pixmap;
}

QIcon importArrow() {
    QIcon icon;
    for (int side : {16, 22, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 16.0, side / 16.0);
        // A thick arrow pointing right: a shaft and a head, in a 16 x 16 square.
        const QPolygonF arrow(
            {{1.5, 5.5}, {8.0, 5.5}, {8.0, 2.0}, {14.5, 8.0}, {8.0, 14.0}, {8.0, 10.5}, {1.5, 10.5}});
        QLinearGradient fill(0, 2, 0, 14);
        fill.setColorAt(0, kRed.lighter(125));
        fill.setColorAt(1, kRed);
        p.setPen(QPen(kRed.darker(140), 0.8));
        p.setBrush(fill);
        p.drawPolygon(arrow);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace Artwork
