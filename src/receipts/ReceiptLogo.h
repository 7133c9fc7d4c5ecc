#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The logo printed in the header of both copies of a receipt: the picture `Logo.bmp` in the
// program folder, kept at the pixel size it was chosen at. Every reader follows one rule: the
// file when it can be read, otherwise the built-in logo. The cards keep a logo of their own.
namespace ReceiptLogo {

// The size of the logo's display, and of the built-in logo.
inline constexpr QSize kSize{297, 184};
// Larger pictures count as unreadable: a bitmap of 20,000 x 20,000 pixels would take 1.6 GB to
// decode at every print. 32 million pixels still take any camera's photo.
inline constexpr qint64 kMostPixels = 32'000'000;

QString fileName();

// The logo the program carries: a blue euro sign, 297 x 184.
QImage builtIn();
// The logo that prints nothing: two by two white pixels.
QImage blank();

// A picture file as a logo, at its own size; null when it cannot be read or is too large.
QImage read(const QString& path);
// The stored logo, or the built-in logo when there is none to read.
QImage load();
// Stores `picture` as `Logo.bmp`, as it is, replacing the old file only once the new one is
// complete; false on any failure, and the old file then stays as it was.
bool save(const QImage& picture);

} // namespace ReceiptLogo
