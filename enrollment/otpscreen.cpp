#include "enrollment/otpscreen.h"

OtpScreen::OtpScreen(QWidget* parent) : QWidget(parent) {}
