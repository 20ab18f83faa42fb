#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <qrcodegen.hpp>

// Draws QR codes for payloads the agent issues: the symbol is written out as SVG and rasterised by Qt's SVG
// renderer, so the picture scales to any size without blurring the module edges.
class QrCodeGenerator : public QObject
{
    Q_OBJECT
public:
    QrCodeGenerator() = default;

    // The text as a size x size one-bit image with a quiet zone of `border` modules. A text too long for the largest
    // symbol at this level yields a null image: the caller decides how to tell the user, the program goes on.
    // On a screen of device pixel ratio `ratio` the image holds size x ratio pixels a side and is marked with that
    // ratio: it takes the same room, and the module edges stay sharp instead of being blown up from a smaller image.
    QImage toImage(const QString& text, quint16 size, quint16 border, qrcodegen::QrCode::Ecc level,
                   qreal ratio = 1.0) const;

    // Whether toImage can draw the text at this level.
    bool canEncode(const QString& text, qrcodegen::QrCode::Ecc level) const;

    // The symbol as an SVG document whose view box counts one unit per module.
    QString toSvgText(const qrcodegen::QrCode& symbol, quint16 border) const;
};
