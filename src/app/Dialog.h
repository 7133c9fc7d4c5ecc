#pragma once

#include <QDialog>

// A dialog of the program: caption, fixed size, no buttons in the title bar (it closes through
// its own buttons), centred over the window that opened it.
class Dialog : public QDialog {
    Q_OBJECT
public:
    Dialog(QWidget* parent, const QString& caption);

protected:
    void showEvent(QShowEvent* event) override;
};

// Centres a window over `over`, or on the screen when `over` is null or hidden.
void centreWindow(QWidget* window, const QWidget* over = nullptr);
