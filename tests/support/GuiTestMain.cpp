#include "TestMain.h"

#include <QGuiApplication>

// The main of the test programs of libraries that never link the widgets.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    return TestRegistry::runAll(argc, argv);
}
