#include "Platform.h"

#include "QtPlatform.h"

namespace {
std::unique_ptr<Platform>& current() {
    static std::unique_ptr<Platform> platform = std::make_unique<QtPlatform>();
    return platform;
}
} // namespace

Platform& Platform::instance() {
    return *current();
}

std::unique_ptr<Platform> Platform::install(std::unique_ptr<Platform> platform) {
    current().swap(platform);
    return platform;
}
