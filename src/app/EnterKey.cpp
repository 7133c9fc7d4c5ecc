#include "EnterKey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace {

class EnterClicksButtons : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat() ||
            (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier))
            return false;
        // Only the buttons themselves: Enter in a field keeps moving on through the fields.
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!qobject_cast<QPushButton*>(button) && !qobject_cast<QToolButton*>(button))
            return false;
        button->click();
        return true;
    }
};

} // namespace

void letEnterClickButtons() {
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new EnterClicksButtons(application));
}
