#pragma once

#include <QRgb>

#include <functional>

class QAbstractButton;
class QPushButton;

// The web-style link of the guide, information and credits windows: a text and its icon that
// open one target together. The text is dark blue, orange while the mouse button is held down
// on either of them, and dark blue again once it is released.
namespace Link {

inline constexpr QRgb kColour = 0xFF00008B;
inline constexpr QRgb kPressedColour = 0xFFFFA500;

// Gives `text` the look of a link and makes both controls call `open` when clicked.
void connect(QPushButton* text, QAbstractButton* icon, const std::function<void()>& open);

} // namespace Link
