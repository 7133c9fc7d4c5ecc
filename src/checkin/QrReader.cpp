#include "QrReader.h"

#include "storage/SystemLibrary.h"

#include <zbar.h>

#include <cstring>
#include <memory>

namespace {

// The functions of zbar the reader uses.
#define ZANDORIO_ZBAR_FUNCTIONS(X)                                                                     \
    X(zbar_image_create) X(zbar_image_destroy) X(zbar_image_first_symbol) X(zbar_image_scanner_create) \
    X(zbar_image_scanner_destroy) X(zbar_image_scanner_set_config) X(zbar_image_set_data)              \
    X(zbar_image_set_format) X(zbar_image_set_size) X(zbar_scan_image) X(zbar_symbol_get_data)          \
    X(zbar_symbol_get_data_length) X(zbar_symbol_next)

// zbar, opened at the first picture read rather than when the program starts, with the video
// libraries it brings.
struct Zbar {
#define ZANDORIO_ZBAR_MEMBER(name) decltype(&zbar::name) name = nullptr;
    ZANDORIO_ZBAR_FUNCTIONS(ZANDORIO_ZBAR_MEMBER)
#undef ZANDORIO_ZBAR_MEMBER
};

// The library, or none when it is not installed.
const Zbar* zbarLibrary() {
    static Zbar library;
#define ZANDORIO_ZBAR_ENTRY(name) {#name, &library.name},
    static const bool open = SystemLibrary::open(ZANDORIO_LIBZBAR, {ZANDORIO_ZBAR_FUNCTIONS(ZANDORIO_ZBAR_ENTRY)});
#undef ZANDORIO_ZBAR_ENTRY
    return open ? &library : nullptr;
}

} // namespace

namespace QrReader {

QStringList decode(const QImage& picture) {
    QStringList texts;
    const Zbar* z = zbarLibrary();
    if (picture.isNull() || !z)
        return texts;
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const int width = grey.width();
    const int height = grey.height();
    // The reader wants rows without the padding a QImage may keep at their ends.
    QByteArray pixels(qsizetype(width) * height, Qt::Uninitialized);
    for (int y = 0; y < height; ++y)
        std::memcpy(pixels.data() + qsizetype(y) * width, grey.constScanLine(y), std::size_t(width));

    const std::unique_ptr<zbar::zbar_image_scanner_t, decltype(z->zbar_image_scanner_destroy)> scanner(
        z->zbar_image_scanner_create(), z->zbar_image_scanner_destroy);
    z->zbar_image_scanner_set_config(scanner.get(), zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 0);
    z->zbar_image_scanner_set_config(scanner.get(), zbar::ZBAR_QRCODE, zbar::ZBAR_CFG_ENABLE, 1);
    const std::unique_ptr<zbar::zbar_image_t, decltype(z->zbar_image_destroy)> image(z->zbar_image_create(),
                                                                                      z->zbar_image_destroy);
    z->zbar_image_set_format(image.get(), zbar_fourcc('Y', '8', '0', '0'));
    z->zbar_image_set_size(image.get(), unsigned(width), unsigned(height));
    z->zbar_image_set_data(image.get(), pixels.constData(), std::size_t(pixels.size()), nullptr);
    if (z->zbar_scan_image(scanner.get(), image.get()) <= 0)
        return texts;
    for (const zbar::zbar_symbol_t* symbol = z->zbar_image_first_symbol(image.get()); symbol;
         symbol = z->zbar_symbol_next(symbol))
        texts << QString::fromUtf8(z->zbar_symbol_get_data(symbol), qsizetype(z->zbar_symbol_get_data_length(symbol)));
    return texts;
}

} // namespace QrReader
