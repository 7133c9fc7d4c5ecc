#include "ReceiptLogo.h"

#include "ReceiptArt.h"
#include "storage/PictureFile.h"
#include "storage/ProgramFolder.h"

#include <QPainter>

namespace ReceiptLogo {

QString fileName() {
    return ProgramFolder::file(QStringLiteral("Logo.bmp"));
}

QImage builtIn() {
    QImage picture(kSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const int margin = 16;
    ReceiptArt::euroSign(painter, QRectF(picture.rect()).adjusted(margin, margin, -margin, -margin),
                         QColor(0x1E, 0x5A, 0xC8));
    return picture;
}

QImage blank() {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

QImage read(const QString& path) {
    return PictureFile::read(path, [](QSize stored) {
        return qint64(stored.width()) * stored.height() <= kMostPixels ? stored : QSize();
    });
}

QImage load() {
    const QImage picture = read(fileName());
    return picture.isNull() ? builtIn() : picture;
}

bool save(const QImage& picture) {
    return PictureFile::write(picture, fileName(), "bmp");
}

} // namespace ReceiptLogo
