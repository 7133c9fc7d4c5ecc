#include "CardQr.h"

#include <QPainter>
#include <QPainterPath>

#include <qrencode.h>

#include <memory>

namespace CardQr {

Symbol encode(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    Symbol symbol;
    if (!code)
        return symbol;
    symbol.width = code->width;
    symbol.dark.resize(std::size_t(code->width) * std::size_t(code->width));
    for (std::size_t i = 0; i < symbol.dark.size(); ++i)
        symbol.dark[i] = code->data[i] & 1;
    return symbol;
}

ReportElement element(const QString& name, const QRectF& box, const QString& text) {
    Symbol symbol = encode(text);
    if (symbol.width == 0)
        return ReportElement::makeRect(box, QColor());
    return ReportElement::makePainted(
        name, box, [symbol = std::move(symbol)](QPainter& painter, const QRectF& area) {
            const double side = std::min(area.width(), area.height());
            const double module = side / (symbol.width + 2 * kQuietModules);
            const QPointF origin = area.topLeft() + QPointF(module, module) * kQuietModules;
            // One path of the dark runs of every row: neighbouring modules merge into one shape, with
            // no seam of light between them however the device rounds their edges.
            QPainterPath dark;
            dark.setFillRule(Qt::WindingFill);
            for (int y = 0; y < symbol.width; ++y)
                for (int x = 0; x < symbol.width;) {
                    if (!symbol.isDark(x, y)) {
                        ++x;
                        continue;
                    }
                    int end = x;
                    while (end < symbol.width && symbol.isDark(end, y))
                        ++end;
                    dark.addRect(
                        QRectF(origin + QPointF(x * module, y * module), QSizeF((end - x) * module, module)));
                    x = end;
                }
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.fillRect(QRectF(area.topLeft(), QSizeF(side, side)), Qt::white);
            painter.fillPath(dark, Qt::black);
            painter.restore();
        });
}

} // namespace CardQr
