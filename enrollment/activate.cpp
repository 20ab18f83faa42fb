#include "enrollment/activate.h"

Activate::Activate(QWidget* parent) : QWidget(parent) {}

void Activate::activationError(ResponseType) {}
void Activate::clearActivationScreen() {}
void Activate::userAuthMessages(QString) {}
void Activate::showAgentUnavailable() {}
void Activate::clearAgentUnavailable() {}
