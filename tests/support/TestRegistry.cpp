#include "TestMain.h"

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

int TestRegistry::runAll(int argc, char** argv) {
    int failed = 0;
    for (const auto& make : factories()) {
        std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), argc, argv) != 0;
    }
    return failed;
}
