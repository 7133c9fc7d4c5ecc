#include "QrReader.h"

#include <zbar.h>

#include <cstring>
#include <memory>

namespace QrReader {

QStringList decode(const QImage& picture) {
    QStringList texts;
    if (picture.isNull())
        return texts;
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const int width = grey.width();
    const int height = grey.height();
    // The reader wants rows without the padding a QImage may keep at their ends.
    QByteArray pixels(qsizetype(width) * height, Qt::Uninitialized);
    for (int y = 0; y < height; ++y)
        std::memcpy(pixels.data() + qsizetype(y) * width, grey.constScanLine(y), std::size_t(width));

    const std::unique_ptr<zbar::zbar_image_scanner_t, decltype(&zbar::zbar_image_scanner_destroy)> scanner(
        zbar::zbar_image_scanner_create(), &zbar::zbar_image_scanner_destroy);
    zbar::zbar_image_scanner_set_config(scanner.get(), zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 0);
    zbar::zbar_image_scanner_set_config(scanner.get(), zbar::ZBAR_QRCODE, zbar::ZBAR_CFG_ENABLE, 1);
    const std::unique_ptr<zbar::zbar_image_t, decltype(&zbar::zbar_image_destroy)> image(
        zbar::zbar_image_create(), &zbar::zbar_image_destroy);
    zbar::zbar_image_set_format(image.get(), zbar_fourcc('Y', '8', '0', '0'));
    zbar::zbar_image_set_size(image.get(), unsigned(width), unsigned(height));
    zbar::zbar_image_set_data(image.get(), pixels.constData(), std::size_t(pixels.size()), nullptr);
    if (zbar::zbar_scan_image(scanner.get(), image.get()) <= 0)
        return texts;
    for (const zbar::zbar_symbol_t* symbol = zbar::zbar_image_first_symbol(image.get()); symbol;
         symbol = zbar::zbar_symbol_next(symbol))
        texts << QString::fromUtf8(zbar::zbar_symbol_get_data(symbol),
                                   qsizetype(zbar::zbar_symbol_get_data_length(symbol)));
    return texts;
}

} // namespace QrReader
