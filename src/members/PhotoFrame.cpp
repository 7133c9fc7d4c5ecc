#include "PhotoFrame.h"

#include "MemberPhoto.h"
#include "app/Platform.h"

#include <QPainter>

PhotoFrame::PhotoFrame(QSize size, QWidget* parent) : QFrame(parent), m_image(MemberPhoto::blank()) {
    setFixedSize(size);
    setFrameShape(QFrame::Box);
    setAccessibleName(QStringLiteral("Foto"));
}

void PhotoFrame::setImage(const QImage& picture) {
    m_image = picture.isNull() ? MemberPhoto::blank() : picture;
    update();
}

void PhotoFrame::showBlank() {
    setImage({});
}

std::optional<QImage> PhotoFrame::chooseFile() {
    const QString path = platform().openFileName(
        QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
        {QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)"), QStringLiteral("Immagine Bitmap (*.bmp)")});
    if (path.isEmpty())
        return std::nullopt;
    return MemberPhoto::read(path);
}

void PhotoFrame::loadChosenFile() {
    if (const std::optional<QImage> picture = chooseFile())
        setImage(*picture);
}

void PhotoFrame::saveToChosenFile() const {
    const QString path = platform().saveFileName(
        QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
        QStringLiteral("File Jpeg (*.jpg)"), QStringLiteral("Foto.jpg"));
    if (!path.isEmpty() && !MemberPhoto::writeJpeg(m_image, path))
        platform().message(Platform::Box::Warning, MemberPhoto::kExportFailed);
}

void PhotoFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect area = contentsRect();
    QSize shown = m_image.size().scaled(area.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), shown);
    target.moveCenter(area.center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
}
