#pragma once

#include "agent/records.h"

#include <QWidget>

class Activate : public QWidget
{
    Q_OBJECT
public:
    explicit Activate(QWidget* parent = nullptr);

signals:
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();
    void activate(ActivationReq request);
    void sendtoOtpScreen(ActivationReq request);

public slots:
    void activationError(ResponseType code);
    void clearActivationScreen();
    void userAuthMessages(QString message);

public:
    void showAgentUnavailable();
    void clearAgentUnavailable();
};
