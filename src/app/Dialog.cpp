#include "Dialog.h"

#include "CaptionBar.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

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
    const QRect area = over && over->isVisible() ? over->window()->frameGeometry()
                                                 : QGuiApplication::primaryScreen()->availableGeometry();
    window->move(area.center() - window->rect().center());
}

QPushButton* dialogButton(QWidget* parent, QAnyStringView name, const QString& caption, const char* icon) {
    auto* button = new QPushButton(QIcon::fromTheme(QString::fromLatin1(icon)), caption, parent);
    button->setObjectName(name);
    return button;
}
