#include "startup/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    prepareApplication(argc, argv);
    Startup screens;
    screens.showPassword();
    return app.exec();
}
