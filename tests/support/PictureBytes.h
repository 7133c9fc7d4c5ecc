#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

// A picture as the bytes of a file in `format` ("BMP", "JPG", ...), written progressively when
// asked (JPEG).
inline QByteArray encoded(const QImage& picture, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(picture);
    return bytes;
}
