#pragma once

#include <QWidget>

// The caption bar that the program's dialogs draw themselves. Their windows ask the window
// manager for no decorations at all: some window managers keep their title-bar buttons (close,
// minimise, maximise) whatever a window asks for, as long as they draw its title, and a dialog
// must close only through its own buttons. The bar shows the window's caption with the program's
// logo and moves the window when dragged; a thin line frames the window.
class CaptionBar : public QWidget {
    Q_OBJECT
public:
    // Makes `window` frameless and gives it the bar, above whatever its layout holds. Call it
    // before the window is first shown; a window with a fixed size grows by the bar's height.
    static void install(QWidget* window);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    explicit CaptionBar(QWidget* window);
    // Makes room for the bar at the top of the window's layout, once the window has one.
    void makeRoom();

    QWidget* m_window;
    bool m_roomMade = false;
};
