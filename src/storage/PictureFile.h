#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// Picture files (JPEG and bitmap) as the program reads and writes them: photos, logos.
namespace PictureFile {

// Gives the size a picture stored at `stored` is decoded at, or an invalid size to refuse it.
using DecodeSize = std::function<QSize(QSize stored)>;

// A picture file decoded at the size `decodeSize` chooses; null when the file is missing,
// unreadable, not a picture, a JPEG cut short, or refused for its size. The size is learnt from
// the file's header before anything is decoded, so a picture too large to hold is never
// expanded in memory.
QImage read(const QString& path, const DecodeSize& decodeSize);
// Writes `picture` in `format` ("jpeg", "bmp"; `quality` for JPEG), replacing an older file only
// once the new one is complete; false on any failure, and the old file then stays as it was.
bool write(const QImage& picture, const QString& path, const char* format, int quality = -1);

} // namespace PictureFile
