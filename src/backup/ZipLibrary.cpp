#include "ZipLibrary.h"

#include "storage/SystemLibrary.h"

namespace {

const ZipLibrary* loaded() {
    static ZipLibrary library;
#define ZANDORIO_ZIP_ENTRY(name) {#name, &library.name},
    static const bool open = SystemLibrary::open(ZANDORIO_LIBZIP, {ZANDORIO_ZIP_FUNCTIONS(ZANDORIO_ZIP_ENTRY)});
#undef ZANDORIO_ZIP_ENTRY
    return open ? &library : nullptr;
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
