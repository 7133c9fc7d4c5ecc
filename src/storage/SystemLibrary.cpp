#include "SystemLibrary.h"

#include <cstring>
#include <dlfcn.h>

namespace SystemLibrary {

bool open(const char* soname, std::initializer_list<std::pair<const char*, void*>> functions) {
    void* library = ::dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return false;
    for (const auto& [name, pointer] : functions) {
        void* address = ::dlsym(library, name);
        if (!address)
            return false;
        // A function's address goes into its own pointer type, as dlsym's contract allows.
        std::memcpy(pointer, &address, sizeof address);
    }
    return true;
}

} // namespace SystemLibrary
