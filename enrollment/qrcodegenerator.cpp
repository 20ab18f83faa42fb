#include "enrollment/qrcodegenerator.h"

#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <limits>
#include <optional>
#include <vector>

namespace {

// The largest symbol has 177 modules a side; with a 16-bit border the view box always fits an int.
constexpr int largestSymbolSize = 177;
static_assert(2 * int(std::numeric_limits<quint16>::max()) <= std::numeric_limits<int>::max() - largestSymbolSize,
              "a 16-bit border cannot overflow the view box");

std::optional<qrcodegen::QrCode> encode(const QString& text, qrcodegen::QrCode::Ecc level)
{
    const QByteArray utf8 = text.toUtf8();
    try {
        // encodeText stops at the first NUL byte; such a payload would be drawn cut short while the full text is
        // sent for activation, so it is encoded as raw bytes instead.
        if (utf8.contains('\0'))
            return qrcodegen::QrCode::encodeBinary(std::vector<std::uint8_t>(utf8.cbegin(), utf8.cend()), level);
        return qrcodegen::QrCode::encodeText(utf8.constData(), level);
    } catch (const qrcodegen::data_too_long&) {
        return std::nullopt;
    }
}

// One closed unit square per dark module of the rows [firstRow, endRow), in reading order.
QString modulePath(const qrcodegen::QrCode& symbol, int border, int firstRow, int endRow)
{
    QString path;
    for (int y = firstRow; y < endRow; ++y) {
        for (int x = 0; x < symbol.getSize(); ++x) {
            if (!symbol.getModule(x, y))
                continue;
            if (!path.isEmpty())
                path += QLatin1Char(' ');
            path += QStringLiteral("M%1,%2h1v1h-1z").arg(x + border).arg(y + border);
        }
    }
    return path;
}

QString svgDocument(int extent, const QStringList& paths)
{
    QString document = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                      "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
                                      "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
                                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 %1 %1\" "
                                      "stroke=\"none\">\n"
                                      "\t<rect width=\"100%\" height=\"100%\" fill=\"#FFFFFF\"/>\n")
                           .arg(extent);
    for (const QString& path : paths)
        document += QStringLiteral("\t<path d=\"%1\" fill=\"#000000\"/>\n").arg(path);
    document += QStringLiteral("</svg>\n");
    return document;
}

} // namespace

QImage QrCodeGenerator::toImage(const QString& text, quint16 size, quint16 border, qrcodegen::QrCode::Ecc level,
                                qreal ratio) const
{
    const std::optional<qrcodegen::QrCode> symbol = encode(text, level);
    if (!symbol)
        return {};
    // Qt's SVG reader cuts a path off after 32767 elements, which the single path of toSvgText exceeds from about
    // version 25 on, leaving an unscannable half-drawn code. The picture is therefore drawn from the same squares
    // with one path per row.
    QStringList rows;
    for (int y = 0; y < symbol->getSize(); ++y) {
        const QString row = modulePath(*symbol, border, y, y + 1);
        if (!row.isEmpty())
            rows.append(row);
    }
    QSvgRenderer renderer(svgDocument(symbol->getSize() + 2 * border, rows).toUtf8());
    // Drawn in colour and reduced to one bit afterwards: fill(Qt::white) on a fresh one-bit image picks the colour
    // table's black entry, and Qt's SVG reader takes the background's "100%" as 100 units, so from version 22 on the
    // quiet zone and light modules beyond that would stay black.
    const int pixels = qRound(size * ratio);
    QImage canvas(pixels, pixels, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        renderer.render(&painter);
    }
    QImage image = canvas.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    image.setDevicePixelRatio(ratio);
    return image;
}

bool QrCodeGenerator::canEncode(const QString& text, qrcodegen::QrCode::Ecc level) const
{
    return encode(text, level).has_value();
}

QString QrCodeGenerator::toSvgText(const qrcodegen::QrCode& symbol, quint16 border) const
{
    return svgDocument(symbol.getSize() + 2 * border, {modulePath(symbol, border, 0, symbol.getSize())});
}
