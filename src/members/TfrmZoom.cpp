#include "TfrmZoom.h"

#include "PhotoFrame.h"

#include <QGridLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace {
// Room left around the picture area: its width and its height fall short of the screen's.
constexpr QSize kMargin{60, 90};
} // namespace

TfrmZoom::TfrmZoom(const QImage& picture, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    setWindowState(Qt::WindowMaximized);
    m_picture = new PhotoFrame(QSize(1, 1), this);
    m_picture->setObjectName(QStringLiteral("imgZoom"));
    m_picture->setFrameShape(QFrame::NoFrame);
    m_picture->setImage(picture);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_picture, 0, 0, Qt::AlignCenter);
}

void TfrmZoom::showEvent(QShowEvent* event) {
    m_picture->setFixedSize(screen()->size() - kMargin);
    QDialog::showEvent(event);
}

void TfrmZoom::paintEvent(QPaintEvent*) {
    QLinearGradient shading(0, 0, 0, height());
    shading.setColorAt(0, QColor(0x46, 0x82, 0xB4)); // steel blue
    shading.setColorAt(1, Qt::white);
    QPainter(this).fillRect(rect(), shading);
}

void TfrmZoom::mousePressEvent(QMouseEvent*) {
    accept();
}
