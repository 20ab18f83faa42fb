#include "enrollment/qrcodescreen.h"

QRCodeScreen::QRCodeScreen(QWidget* parent) : QWidget(parent) {}
