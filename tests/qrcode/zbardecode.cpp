#include "tests/qrcode/zbardecode.h"

#include <memory>
#include <zbar.h>

QList<QByteArray> decodeQrCodes(const QImage& image)
{
    using namespace zbar; // the C interface, which zbar.h wraps in a namespace for C++
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    QByteArray pixels;
    for (int y = 0; y < gray.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(gray.constScanLine(y)), gray.width());

    const std::unique_ptr<zbar_image_scanner_t, decltype(&zbar_image_scanner_destroy)> scanner(
        zbar_image_scanner_create(), &zbar_image_scanner_destroy);
    zbar_image_scanner_set_config(scanner.get(), ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
    zbar_image_scanner_set_config(scanner.get(), ZBAR_QRCODE, ZBAR_CFG_ENABLE, 1);
    // Raw bytes: ZBar otherwise guesses a character set and may re-encode what it read.
    zbar_image_scanner_set_config(scanner.get(), ZBAR_QRCODE, ZBAR_CFG_BINARY, 1);

    const std::unique_ptr<zbar_image_t, decltype(&zbar_image_destroy)> frame(zbar_image_create(), &zbar_image_destroy);
    zbar_image_set_format(frame.get(), zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(frame.get(), unsigned(gray.width()), unsigned(gray.height()));
    zbar_image_set_data(frame.get(), pixels.constData(), unsigned(pixels.size()), nullptr);

    QList<QByteArray> codes;
    if (zbar_scan_image(scanner.get(), frame.get()) <= 0)
        return codes;
    for (const zbar_symbol_t* symbol = zbar_image_first_symbol(frame.get()); symbol;
         symbol = zbar_symbol_next(symbol)) {
        if (zbar_symbol_get_type(symbol) == ZBAR_QRCODE)
            codes.append(QByteArray(zbar_symbol_get_data(symbol), int(zbar_symbol_get_data_length(symbol))));
    }
    return codes;
}
