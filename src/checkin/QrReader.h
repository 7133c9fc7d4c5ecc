#pragma once

#include <QImage>
#include <QStringList>

// Reads QR symbols from a picture: a webcam frame at the desk, a printed card in the tests.
namespace QrReader {

// The texts of the QR symbols found in `picture` (UTF-8), in the reader's order; none for a null
// picture, one without a readable symbol, or when the reading library is not installed.
QStringList decode(const QImage& picture);

} // namespace QrReader
