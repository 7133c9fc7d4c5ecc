#pragma once

#include "reports/ReportTemplate.h"

#include <QRgb>

#include <span>

struct CardFace;

// The membership card "Tesserino": one card of 86 x 54 mm on an A4 page, its corner 10 mm from
// the top and the left of the page's margins. The card screen lays out its full-size mock-up
// from the same items, so the screen and the printed card cannot drift apart.
namespace CardDocument {

// One object of the card, in millimetres from the page's margins.
struct Item {
    enum class Shape { Box, Text, Picture };

    Shape shape;
    const char* name;    // in the template; null for the card's ground and bands
    const char* control; // on the card screen; null where it is the template's name
    double left;
    double top;
    double width;
    double height;
    QRgb colour; // a box's fill, a text's colour
    double points = 0;
    bool bold = false;
    bool centred = false;
    const char* caption = nullptr; // a fixed text
    QString CardFace::*text = nullptr;
    QImage CardFace::*picture = nullptr;

    const char* controlName() const { return control ? control : name; }
};

std::span<const Item> items();
// The card's ground: where the card lies on the page.
QRectF cardBox();
// The text an item shows for `face`, blanks at both ends removed: its caption, its field, or
// nothing for a box or a picture.
QString textOf(const Item& item, const CardFace& face);

// The card filled from `face`: A4 portrait, page margins 0; with `accessCode`, the member's
// check-in code as a QR symbol at the free end of the header band, on a white square of its own
// (none on a card without a member).
ReportTemplate make(const CardFace& face, bool accessCode = false);

} // namespace CardDocument
