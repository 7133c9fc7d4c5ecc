// The yardstick of the start-up benchmark: a bare Qt window program, which says when its window
// is painted for the first time and ends, as the program does under ZANDORIO_MISURA_AVVIO.
#include "app/QuitWhenPainted.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Zandorio"));
    window.installEventFilter(new QuitWhenPainted(&window));
    window.show();
    return app.exec();
}
