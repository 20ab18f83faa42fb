#include "settings/settings.h"

Settings::Settings(QWidget* parent) : QWidget(parent) {}

void Settings::changeNotificationsIcon(bool) {}
void Settings::processFeedbackResponse(Response) {}
void Settings::processPagsResponse(Response, PAG, QString) {}
void Settings::processViolationListResponse(Response, QString) {}
void Settings::processPeerListResponse(Response, QString) {}
void Settings::updateInfo(AgentInfo, const AgentInfo*) {}
void Settings::deactivationResult(Response) {}
void Settings::signOutFailed() {}
void Settings::showAgentRows() {}
void Settings::hideAgentRows() {}
