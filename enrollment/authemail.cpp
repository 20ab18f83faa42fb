#include "enrollment/authemail.h"

AuthEmail::AuthEmail(QWidget* parent) : QWidget(parent) {}

void AuthEmail::processUserAuthResponse(Response) {}
void AuthEmail::signInReq() {}
void AuthEmail::authADReq() {}
void AuthEmail::clearEmailScreen() {}
void AuthEmail::setCompanyName(QString) {}
void AuthEmail::showAgentUnavailable() {}
void AuthEmail::clearAgentUnavailable() {}
