#include "MemberPhoto.h"

#include "storage/AtomicFile.h"
#include "storage/ProgramFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

namespace {

const QString kFolder = QStringLiteral("Anagrafica");

bool createFolder() {
    return QDir().mkpath(MemberPhoto::folder());
}

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

QImage fitted(const QImage& picture) {
    const QSize size = MemberPhoto::decodeSize(picture.size());
    return size == picture.size() ? picture
                                  : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

namespace MemberPhoto {

QString folder() {
    return ProgramFolder::file(kFolder);
}

QString fileName(int position) {
    return folder() + QStringLiteral("/Scheda_Iscritto_") + QString::number(position) +
           QStringLiteral(".jpg");
}

QImage blank() {
    static const QImage picture(QStringLiteral(":/assets/blank_photo.png"));
    return picture;
}

QSize decodeSize(QSize original) {
    if (original.width() <= kLongestSide && original.height() <= kLongestSide)
        return original;
    return original.scaled(kLongestSide, kLongestSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QImage read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    if (reader.format() == "jpeg" && !jpegReachesEnd(bytes))
        return {};
    const QSize size = reader.size();
    if (!size.isValid())
        return {};
    // Decoding straight at the reduced size: a JPEG is then never expanded at full resolution.
    reader.setScaledSize(decodeSize(size));
    return reader.read();
}

bool writeJpeg(const QImage& picture, const QString& path) {
    if (picture.isNull())
        return false;
    AtomicFile file(path);
    if (!file.open())
        return false;
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(kJpegQuality);
    return writer.write(picture) && file.commit();
}

QImage load(int position) {
    createFolder();
    const QImage picture = read(fileName(position));
    return picture.isNull() ? blank() : picture;
}

bool save(int position, const QImage& picture) {
    return createFolder() && writeJpeg(fitted(picture), fileName(position));
}

} // namespace MemberPhoto
