#pragma once

#include "reports/ReportElement.h"

#include <QString>

#include <vector>

// The check-in code on the card as a QR symbol: squares of modules, dark or light, drawn as filled
// vector shapes so that the printed modules stay sharp at any printer's resolution.
namespace CardQr {

struct Symbol {
    int width = 0;          // modules on each side; 0 when the text could not be encoded
    std::vector<bool> dark; // row by row

    bool isDark(int x, int y) const { return dark[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

// Light modules left around the symbol, inside its box: scanners need a light margin to find it.
constexpr int kQuietModules = 2;

// The symbol of `text` (UTF-8, medium error correction, the smallest version that holds it).
Symbol encode(const QString& text);
// An element drawing the symbol of `text` on white, filling `box` (millimetres) with its modules
// and the quiet margin; an empty box when the text cannot be encoded.
ReportElement element(const QString& name, const QRectF& box, const QString& text);

} // namespace CardQr
