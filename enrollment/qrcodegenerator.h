#pragma once

#include <QImage>
#include <QString>

// Draws QR codes for payloads the agent issues.
class QrCodeGenerator
{};
