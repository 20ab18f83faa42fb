#include "enrollment/activationpending.h"

ActivationPending::ActivationPending(QWidget* parent) : QWidget(parent) {}

void ActivationPending::verifyActivationError(ResponseType) {}
void ActivationPending::checkActivationStatusClicked() {}
void ActivationPending::showAgentUnavailable() {}
void ActivationPending::clearAgentUnavailable() {}
