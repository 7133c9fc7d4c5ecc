#pragma once

#include <QAnyStringView>
#include <QDialog>

class QPushButton;

// A dialog of the program: caption, fixed size, no buttons in the title bar (it closes through
// its own buttons), centred over the window that opened it.
class Dialog : public QDialog {
    Q_OBJECT
public:
    Dialog(QWidget* parent, const QString& caption);

protected:
    void showEvent(QShowEvent* event) override;
    // Escape does not close the dialog: each one closes through its own buttons, which also do
    // the dialog's closing work (stopping the camera, emptying lists).
    void keyPressEvent(QKeyEvent* event) override;
};

// A command button of a window: the theme icon `icon` beside its caption.
QPushButton* dialogButton(QWidget* parent, QAnyStringView name, const QString& caption, const char* icon);

// Centres a window over `over`, or on the screen when `over` is null or hidden.
void centreWindow(QWidget* window, const QWidget* over = nullptr);
