#include "startup/Startup.h"

#include "app/TfrmPassword.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    prepareApplication(argc, argv);
    Startup screens;
    screens.password().show();
    return app.exec();
}
