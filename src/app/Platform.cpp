#include "Platform.h"

#include <stdexcept>

namespace {
std::unique_ptr<Platform>& current() {
    static std::unique_ptr<Platform> platform;
    return platform;
}
} // namespace

Platform& Platform::instance() {
    // The program installs the real services at start-up and every test program its own: one that
    // reaches here without them would otherwise show a message to nobody.
    if (!current())
        throw std::logic_error("Platform: no platform services installed");
    return *current();
}

std::unique_ptr<Platform> Platform::install(std::unique_ptr<Platform> platform) {
    current().swap(platform);
    return platform;
}
