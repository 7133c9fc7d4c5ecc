#include "TestMain.h"

#include "app/Appearance.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    applyProgramAppearance();
    return TestRegistry::runAll(argc, argv);
}
