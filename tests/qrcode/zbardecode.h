#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// The raw bytes of every QR code ZBar finds in the image, as a phone's scanner would read them.
QList<QByteArray> decodeQrCodes(const QImage& image);
