#include "PictureFile.h"

#include "AtomicFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

namespace {

// Whether the markers of a JPEG stream run on to its end-of-image marker. The decoder pads a
// stream cut short with grey and reports success; such a file must count as unreadable.
bool jpegReachesEnd(const QByteArray& bytes) {
    const auto byte = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const qsizetype size = bytes.size();
    qsizetype pos = 2; // after the start-of-image marker
    while (pos + 1 < size) {
        if (byte(pos) != 0xFF)
            return false;
        const unsigned char marker = byte(pos + 1);
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == 0xD9) // end of image
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // markers without a length
            pos += 2;
            continue;
        }
        if (pos + 3 >= size)
            return false;
        pos += 2 + (byte(pos + 2) << 8 | byte(pos + 3));
        if (marker != 0xDA) // anything but start-of-scan: the segment is skipped whole
            continue;
        // Entropy-coded data follows a scan header up to the next marker; inside it 0xFF is
        // always followed by a zero byte or a restart marker.
        while (pos + 1 < size && (byte(pos) != 0xFF || byte(pos + 1) == 0x00 ||
                                  (byte(pos + 1) >= 0xD0 && byte(pos + 1) <= 0xD7)))
            ++pos;
    }
    return false;
}

} // namespace

namespace PictureFile {

QImage read(const QString& path, const DecodeSize& decodeSize) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSize size;
    {
        QImageReader header(&file);
        size = header.size();
    }
    const QSize decoded = size.isValid() ? decodeSize(size) : QSize();
    if (!decoded.isValid() || decoded.isEmpty() || !file.seek(0))
        return {};
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (reader.format() == "jpeg" && !jpegReachesEnd(bytes))
        return {};
    // The same file read again: it may have changed since its header was read.
    if (reader.size() != size)
        return {};
    if (decoded != size)
        reader.setScaledSize(decoded);
    return reader.read();
}

bool write(const QImage& picture, const QString& path, const char* format, int quality) {
    if (picture.isNull())
        return false;
    AtomicFile file(path);
    if (!file.open())
        return false;
    QImageWriter writer(&file, format);
    writer.setQuality(quality);
    return writer.write(picture) && file.commit();
}

} // namespace PictureFile
