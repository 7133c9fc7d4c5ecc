#include "StatusLine.h"

#include <QShowEvent>

StatusLine::StatusLine(const QString& initialText, QWidget* parent)
    : QLabel(initialText, parent), m_initialText(initialText) {
    setObjectName(QStringLiteral("panInfo"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setMargin(3);
}

void StatusLine::addHint(QWidget* control, const QString& hint) {
    m_hints.insert(control, hint);
    control->setToolTip(hint);
    control->setAccessibleDescription(hint);
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this](QObject* o) { m_hints.remove(o); });
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter)
        setText(m_hints.value(watched));
    else if (event->type() == QEvent::Leave)
        clear();
    return QLabel::eventFilter(watched, event);
}

void StatusLine::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        setText(m_initialText);
    QLabel::showEvent(event);
}
