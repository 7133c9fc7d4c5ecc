#include "CardLogo.h"

#include "members/MemberPhoto.h"
#include "storage/PictureFile.h"
#include "storage/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QString kFolder = QStringLiteral("Anagrafica");

bool createFolder() {
    return QDir().mkpath(ProgramFolder::file(kFolder));
}

} // namespace

namespace CardLogo {

QString fileName() {
    return ProgramFolder::file(kFolder + QStringLiteral("/Logo.bmp"));
}

bool exists() {
    return QFile::exists(fileName());
}

QImage builtIn() {
    // A navy shield with a white star, the plainest emblem of a sports association.
    QImage picture(kSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor navy(0x00, 0x00, 0x80);
    QPainterPath shield;
    shield.moveTo(12, 8);
    shield.lineTo(107, 8);
    shield.lineTo(107, 58);
    shield.cubicTo(107, 88, 84, 102, 59.5, 112);
    shield.cubicTo(35, 102, 12, 88, 12, 58);
    shield.closeSubpath();
    p.setPen(QPen(QColor(0xDA, 0xA5, 0x20), 4));
    p.setBrush(navy);
    p.drawPath(shield);
    QPainterPath star;
    const QPointF centre(59.5, 55);
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 ? 13 : 32;
        const double angle = M_PI / 2 + i * M_PI / 5;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(star);
    return picture;
}

QImage dot() {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

QImage load() {
    createFolder();
    return MemberPhoto::read(fileName());
}

QImage fitted(const QImage& picture) {
    // On white, the card's own colour behind the logo: a bitmap keeps no transparency, and a
    // clear ground would come back black.
    QImage logo(kSize, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter p(&logo);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(), kSize), picture);
    return logo;
}

bool save(const QImage& picture) {
    return !picture.isNull() && createFolder() && PictureFile::write(fitted(picture), fileName(), "bmp");
}

} // namespace CardLogo
