#pragma once

#include <QWidget>

#include <functional>
#include <memory>

// How a menu reaches a screen it opens: asked for the screen when the user opens it, so that the
// screen need not exist before.
using ScreenSource = std::function<QWidget*()>;

// A screen created the first time it is wanted and kept from then on: hidden and shown again,
// never rebuilt, so it keeps its state between visits as every module screen does. Start-up then
// only builds the password window before the user sees it.
template <class T> class LazyScreen {
public:
    // `wire` runs once, right after the screen is created: its connections to the other screens.
    void onCreated(std::function<void(T&)> wire) { m_wire = std::move(wire); }

    T& get() const {
        if (!m_screen) {
            m_screen = std::make_unique<T>();
            if (m_wire)
                m_wire(*m_screen);
        }
        return *m_screen;
    }
    T* operator->() const { return &get(); }
    ScreenSource source() const {
        return [this] { return static_cast<QWidget*>(&get()); };
    }

private:
    mutable std::unique_ptr<T> m_screen;
    std::function<void(T&)> m_wire;
};
