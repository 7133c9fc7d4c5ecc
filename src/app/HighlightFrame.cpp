#include "HighlightFrame.h"

#include <QEvent>

namespace {
constexpr int kMargin = 3;
}

HighlightFrame::HighlightFrame(QWidget* field, const QString& name)
    : QFrame(field->parentWidget()), m_field(field) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QStringLiteral("QFrame { border: 2px solid qlineargradient(x1:0, y1:0, x2:1, y2:1, "
                                 "stop:0 #FFFF00, stop:1 #FFFFFF); background: #FFFF00; }"));
    hide();
    field->installEventFilter(this);
}

void HighlightFrame::follow() {
    if (parentWidget() != m_field->parentWidget())
        setParent(m_field->parentWidget());
    setGeometry(m_field->geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin));
    stackUnder(m_field);
}

bool HighlightFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field) {
        switch (event->type()) {
        case QEvent::FocusIn:
            follow();
            show();
            break;
        case QEvent::FocusOut:
        case QEvent::Hide:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ParentChange:
            follow();
            break;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}
