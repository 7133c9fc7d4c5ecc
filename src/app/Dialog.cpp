#include "Dialog.h"

#include "CaptionBar.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

Dialog::Dialog(QWidget* parent, const QString& caption) : QDialog(parent) {
    setWindowTitle(caption);
    setModal(true);
    CaptionBar::install(this);
}

void Dialog::showEvent(QShowEvent* event) {
    setFixedSize(sizeHint().expandedTo(minimumSize()));
    centreWindow(this, parentWidget());
    QDialog::showEvent(event);
}

void Dialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Dialog::closeEvent(QCloseEvent* event) {
    // done() closes the dialog without a close event reaching here.
    event->ignore();
}

void centreWindow(QWidget* window, const QWidget* over) {
    const bool overShown = over && over->isVisible();
    const QRect area = overShown ? over->window()->frameGeometry() : QRect();
    QScreen* screen = overShown ? QGuiApplication::screenAt(area.center()) : nullptr;
    if (!screen)
        screen = overShown ? over->window()->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    const QPoint centred = (overShown ? area : available).center() - QRect(QPoint(), size).center();
    // The window that opened it may lie partly off the screen or be smaller than the dialog (no
    // window manager maximises it, or one places it anywhere): the dialog stays on the screen's
    // working area all the same, its caption bar first where it cannot fit whole.
    const auto within = [](int position, int length, int first, int room) {
        return std::max(first, std::min(position, first + room - length));
    };
    window->move(within(centred.x(), size.width(), available.left(), available.width()),
                 within(centred.y(), size.height(), available.top(), available.height()));
}

QPushButton* dialogButton(QWidget* parent, QAnyStringView name, const QString& caption, const char* icon) {
    auto* button = new QPushButton(QIcon::fromTheme(QString::fromLatin1(icon)), caption, parent);
    button->setObjectName(name);
    return button;
}
