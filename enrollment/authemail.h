#pragma once

#include "agent/records.h"

#include <QWidget>

class AuthEmail : public QWidget
{
    Q_OBJECT
public:
    explicit AuthEmail(QWidget* parent = nullptr);

signals:
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();
    void goHome();
    void goActivation();
    void switchToEmailScreen();
    void sendMessageToActivate(QString message);
    void sendToOtpScreen(ActivationReq request);

public slots:
    void processUserAuthResponse(Response response);
    void signInReq();
    void authADReq();
    void clearEmailScreen();
    void setCompanyName(QString name);

public:
    void showAgentUnavailable();
    void clearAgentUnavailable();
};
