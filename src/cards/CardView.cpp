#include "CardView.h"

#include "CardDocument.h"
#include "CardFace.h"
#include "members/PhotoFrame.h"

#include <QColor>
#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

using Item = CardDocument::Item;

int px(double mm) {
    return qRound(mm * CardView::kPixelsPerMm);
}

// Where an item lies on the mock-up: the card's corner is the view's corner.
QRect placeOf(const Item& item) {
    const QPointF corner = CardDocument::cardBox().topLeft();
    return {px(item.left - corner.x()), px(item.top - corner.y()), px(item.width), px(item.height)};
}

QString colourName(QRgb colour) {
    return QColor::fromRgba(colour).name();
}

QWidget* makeControl(const Item& item, QWidget* parent) {
    switch (item.shape) {
    case Item::Shape::Box: {
        auto* band = new QWidget(parent);
        band->setAttribute(Qt::WA_StyledBackground);
        band->setStyleSheet(QStringLiteral("background: %1;").arg(colourName(item.colour)));
        return band;
    }
    case Item::Shape::Text: {
        auto* label = new QLabel(parent);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(qMax(1, qRound(item.points * 25.4 / 72 * CardView::kPixelsPerMm)));
        font.setBold(item.bold);
        label->setFont(font);
        label->setAlignment((item.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        label->setContentsMargins(px(0.5), 0, px(0.5), 0);
        label->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }"
                                            "QLabel:focus { border: 1px dashed %1; }")
                                 .arg(colourName(item.colour)));
        return label;
    }
    case Item::Shape::Picture: {
        auto* frame = new PhotoFrame(placeOf(item).size(), parent);
        frame->setFrameShape(QFrame::NoFrame);
        return frame;
    }
    }
    return nullptr;
}

} // namespace

CardView::CardView(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("panTessera"));
    const QRectF card = CardDocument::cardBox();
    setFixedSize(px(card.width()), px(card.height()));
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(24);
    shadow->setOffset(4, 6);
    setGraphicsEffect(shadow);

    for (const Item& item : CardDocument::items()) {
        QWidget* control = makeControl(item, this);
        control->setGeometry(placeOf(item));
        if (item.name)
            control->setObjectName(QString::fromLatin1(item.controlName()));
    }
}

void CardView::setFace(const CardFace& face) {
    for (const Item& item : CardDocument::items()) {
        if (!item.name)
            continue;
        if (auto* label = qobject_cast<QLabel*>(control(item.controlName())))
            label->setText(CardDocument::textOf(item, face));
        else if (auto* frame = qobject_cast<PhotoFrame*>(control(item.controlName())))
            frame->setImage(face.*item.picture);
    }
}

QWidget* CardView::control(const char* name) const {
    return findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void CardView::setClickable(const char* name, std::function<void()> action) {
    QWidget* target = control(name);
    target->setFocusPolicy(Qt::StrongFocus);
    target->setCursor(Qt::PointingHandCursor);
    target->installEventFilter(this);
    m_actions.insert(target, std::move(action));
}

bool CardView::eventFilter(QObject* watched, QEvent* event) {
    const auto action = m_actions.constFind(watched);
    if (action == m_actions.cend())
        return QFrame::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
            (*action)();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            (*action)();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
