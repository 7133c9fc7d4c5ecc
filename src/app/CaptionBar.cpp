#include "CaptionBar.h"

#include <QEvent>
#include <QLayout>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

const QColor kSteelBlue(0x46, 0x82, 0xB4);
const QColor kNavy(0x1E, 0x3A, 0x5F);
constexpr int kPadding = 6;
constexpr int kIconSide = 16;

QFont captionFont(const QWidget* window) {
    QFont font = window->font();
    font.setBold(true);
    return font;
}

} // namespace

void CaptionBar::install(QWidget* window) {
    window->setWindowFlag(Qt::FramelessWindowHint);
    new CaptionBar(window);
}

CaptionBar::CaptionBar(QWidget* window) : QWidget(window), m_window(window) {
    setObjectName(QStringLiteral("panTitolo"));
    setCursor(Qt::SizeAllCursor);
    window->installEventFilter(this);
    makeRoom();
}

QSize CaptionBar::sizeHint() const {
    return QSize(0, QFontMetrics(captionFont(m_window)).height() + 2 * kPadding);
}

void CaptionBar::makeRoom() {
    QLayout* layout = m_window->layout();
    if (m_roomMade || !layout)
        return;
    m_roomMade = true;
    const int height = sizeHint().height();
    QMargins margins = layout->contentsMargins();
    margins.setTop(margins.top() + height);
    layout->setContentsMargins(margins);
    if (m_window->minimumSize() == m_window->maximumSize())
        m_window->setFixedSize(m_window->minimumSize() + QSize(0, height));
}

bool CaptionBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Polish:
    case QEvent::Show:
        makeRoom();
        break;
    case QEvent::Resize:
        setGeometry(0, 0, m_window->width(), sizeHint().height());
        raise();
        break;
    case QEvent::WindowTitleChange:
        update();
        break;
    case QEvent::Paint: {
        // The frame around the window, under whatever the window paints itself.
        QPainter painter(m_window);
        painter.setPen(kNavy);
        painter.drawRect(m_window->rect().adjusted(0, 0, -1, -1));
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CaptionBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, kSteelBlue);
    fill.setColorAt(1, kNavy);
    painter.fillRect(rect(), fill);
    const QRect icon(kPadding, (height() - kIconSide) / 2, kIconSide, kIconSide);
    m_window->windowIcon().paint(&painter, icon);
    const QRect text = rect().adjusted(icon.right() + kPadding, 0, -kPadding, 0);
    painter.setPen(Qt::white);
    painter.setFont(captionFont(m_window));
    painter.drawText(
        text, Qt::AlignLeft | Qt::AlignVCenter,
        painter.fontMetrics().elidedText(m_window->windowTitle().trimmed(), Qt::ElideRight, text.width()));
}

void CaptionBar::mousePressEvent(QMouseEvent* event) {
    // The window manager moves the window, as it would by its own title bar.
    if (event->button() == Qt::LeftButton && m_window->windowHandle())
        m_window->windowHandle()->startSystemMove();
}
