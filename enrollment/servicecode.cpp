#include "enrollment/servicecode.h"

ServiceCode::ServiceCode(QWidget* parent) : QWidget(parent) {}

void ServiceCode::showQRCode(QString) {}
void ServiceCode::qrScreenSwitched() {}
void ServiceCode::activateQR(QString) {}
void ServiceCode::agentConnectedNotification() {}
void ServiceCode::agentDisconnectedNotification() {}
void ServiceCode::switchToServiceCodeScreen() {}
void ServiceCode::clearServiceIDScreen() {}
