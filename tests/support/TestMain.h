#pragma once

#include <QObject>

#include <functional>
#include <memory>

// Several test classes in one executable: each registers itself with ZANDORIO_TEST and the
// shared main runs them all, failing when any fails.
namespace TestRegistry {
using Factory = std::function<std::unique_ptr<QObject>()>;
int add(Factory factory);
// Runs every registered test class; the number of classes that failed.
int runAll(int argc, char** argv);
} // namespace TestRegistry

#define ZANDORIO_TEST(Class)                                                                                 \
    static const int Class##Registered = TestRegistry::add([] { return std::make_unique<Class>(); });
