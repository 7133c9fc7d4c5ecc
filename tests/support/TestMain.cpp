#include "TestMain.h"

#include "app/Appearance.h"

#include <QApplication>
#include <QTest>

#include <vector>

namespace {
std::vector<TestRegistry::Factory>& factories() {
    static std::vector<TestRegistry::Factory> all;
    return all;
}
} // namespace

int TestRegistry::add(Factory factory) {
    factories().push_back(std::move(factory));
    return int(factories().size());
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    applyProgramAppearance();
    int failed = 0;
    for (const auto& make : factories()) {
        std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), argc, argv) != 0;
    }
    return failed;
}
