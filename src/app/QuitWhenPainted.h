#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

// Watches a window and, once it has been painted for the first time, says so on the standard
// output ("Prima finestra mostrata") and ends the program: how the start-up benchmark times the
// program to its first window, and a bare Qt window beside it. Header only, so that the bare window
// links nothing of the program.
class QuitWhenPainted : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Once the painting has reached the screen.
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                std::fputs("Prima finestra mostrata\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }
};
