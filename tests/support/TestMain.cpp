#include "TestMain.h"

#include "app/Appearance.h"
#include "app/QtPlatform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // What a test does not script goes to the real services, as in the program.
    Platform::install(std::make_unique<QtPlatform>());
    applyProgramAppearance();
    return TestRegistry::runAll(argc, argv);
}
