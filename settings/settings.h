#pragma once

#include "agent/records.h"

#include <QWidget>

class Settings : public QWidget
{
    Q_OBJECT
public:
    explicit Settings(QWidget* parent = nullptr);

signals:
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();
    void goHome();
    void goAuth();
    void goAuthAD();
    void signOut();
    void Deactivate(QString password);
    void goActivate();

public slots:
    void changeNotificationsIcon(bool notify);
    void processFeedbackResponse(Response response);
    void processPagsResponse(Response response, PAG preferred, QString error);
    void processViolationListResponse(Response response, QString error);
    void processPeerListResponse(Response response, QString error);

public:
    void updateInfo(AgentInfo info, const AgentInfo* previous);
    void deactivationResult(Response response);
    void signOutFailed();
    void showAgentRows();
    void hideAgentRows();
};
