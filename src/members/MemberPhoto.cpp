#include "MemberPhoto.h"

#include "storage/PictureFile.h"
#include "storage/ProgramFolder.h"

#include <QDir>

namespace {

const QString kFolder = QStringLiteral("Anagrafica");

bool createFolder() {
    return QDir().mkpath(MemberPhoto::folder());
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
    // Decoding straight at the reduced size: a JPEG is then never expanded at full resolution.
    return PictureFile::read(path, decodeSize);
}

bool writeJpeg(const QImage& picture, const QString& path) {
    return PictureFile::write(picture, path, "jpeg", kJpegQuality);
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
