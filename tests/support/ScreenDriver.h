#pragma once

#include "FakePlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// A screen S driven as the user drives it, through the object names of its controls; what it
// shows in message boxes is read from the scripted platform services in place.
template <class S> struct ScreenDriver {
    template <class... A> explicit ScreenDriver(A&&... args) : screen(std::forward<A>(args)...) {}

    // Shows the screen as the active window, as opening it from a menu does.
    void show() {
        screen.show();
        QApplication::setActiveWindow(&screen);
        (void)QTest::qWaitForWindowActive(&screen);
    }

    template <class W = QWidget> W* find(const char* name) const {
        return screen.template findChild<W*>(QString::fromLatin1(name));
    }
    QWidget* control(const char* name) const { return find(name); }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    // What a label, a field or a drop-down list shows.
    QString text(const char* name) const {
        QWidget* w = control(name);
        if (auto* pick = qobject_cast<QComboBox*>(w))
            return pick->currentText();
        return w->property("text").toString();
    }
    void setText(const char* name, const QString& value) const {
        if (auto* pick = find<QComboBox>(name))
            pick->setEditText(value);
        else
            field(name)->setText(value);
    }
    QString position() const { return text("lblPosizione"); }
    // Clicks a tool or push button, which must be there and enabled.
    void click(const char* name) const {
        auto* button = find<QAbstractButton>(name);
        QVERIFY2(button && button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QList<FakePlatform::Shown> takeMessages() const {
        return dynamic_cast<FakePlatform&>(Platform::instance()).takeMessages();
    }

    S screen;
};
