#include "ZipLibrary.h"

#include <QString>

#include <dlfcn.h>

namespace {

// Every function or none: a library without one of them is not the one the backup was built for.
const ZipLibrary* load() {
    static ZipLibrary library;
    void* handle = ::dlopen(ZANDORIO_LIBZIP, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    bool complete = true;
#define ZANDORIO_ZIP_RESOLVE(name)                                                                     \
    library.name = reinterpret_cast<decltype(&::name)>(::dlsym(handle, #name));                        \
    complete = complete && library.name;
    ZANDORIO_ZIP_FUNCTIONS(ZANDORIO_ZIP_RESOLVE)
#undef ZANDORIO_ZIP_RESOLVE
    return complete ? &library : nullptr;
}

const ZipLibrary* loaded() {
    static const ZipLibrary* const library = load();
    return library;
}

} // namespace

bool zipAvailable() {
    return loaded() != nullptr;
}

const ZipLibrary& libzip() {
    return *loaded();
}

QString zipMissingText() {
    return QStringLiteral("La libreria per i file zip (%1) non è installata.").arg(QLatin1String(ZANDORIO_LIBZIP));
}
