#include "Link.h"

#include <QPushButton>

namespace {

void paint(QPushButton* text, QRgb colour) {
    QPalette palette = text->palette();
    palette.setColor(QPalette::ButtonText, QColor::fromRgba(colour));
    palette.setColor(QPalette::WindowText, QColor::fromRgba(colour));
    text->setPalette(palette);
}

} // namespace

namespace Link {

void connect(QPushButton* text, QAbstractButton* icon, const std::function<void()>& open) {
    text->setFlat(true);
    text->setCursor(Qt::PointingHandCursor);
    icon->setCursor(Qt::PointingHandCursor);
    QFont font = text->font();
    font.setUnderline(true);
    text->setFont(font);
    paint(text, kColour);
    for (QAbstractButton* control : {static_cast<QAbstractButton*>(text), icon}) {
        QObject::connect(control, &QAbstractButton::pressed, text, [text] { paint(text, kPressedColour); });
        QObject::connect(control, &QAbstractButton::released, text, [text] { paint(text, kColour); });
        QObject::connect(control, &QAbstractButton::clicked, text, [open] { open(); });
    }
}

} // namespace Link
