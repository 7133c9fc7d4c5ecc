#include "Dialog.h"

#include <QGuiApplication>
#include <QScreen>

Dialog::Dialog(QWidget* parent, const QString& caption)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(caption);
    setModal(true);
}

void Dialog::showEvent(QShowEvent* event) {
    setFixedSize(sizeHint().expandedTo(minimumSize()));
    const QRect area = parentWidget() && parentWidget()->isVisible()
                           ? parentWidget()->window()->frameGeometry()
                           : QGuiApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());
    QDialog::showEvent(event);
}
