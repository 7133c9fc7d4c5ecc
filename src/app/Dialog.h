#pragma once

#include <QAnyStringView>
#include <QDialog>

class QPushButton;

// A dialog of the program: its caption in its own caption bar with no buttons, fixed size,
// centred over the window that opened it and never past the edges of the screen. It closes only
// through its own buttons, which also do its closing work (stopping the camera, emptying lists,
// handing a result over): they end it with accept(), reject() or done().
class Dialog : public QDialog {
    Q_OBJECT
public:
    Dialog(QWidget* parent, const QString& caption);

protected:
    void showEvent(QShowEvent* event) override;
    // Escape does not close the dialog.
    void keyPressEvent(QKeyEvent* event) override;
    // Nor does a close from outside its buttons: the window manager's close, Alt+F4, close().
    void closeEvent(QCloseEvent* event) override;
};

// A command button of a window: the theme icon `icon` beside its caption.
QPushButton* dialogButton(QWidget* parent, QAnyStringView name, const QString& caption, const char* icon);

// Centres a window over `over`, or on the screen when `over` is null or hidden, and keeps it
// inside the screen's working area.
void centreWindow(QWidget* window, const QWidget* over = nullptr);
