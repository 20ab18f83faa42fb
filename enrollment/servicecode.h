#pragma once

#include "agent/records.h"

#include <QWidget>

class ServiceCode : public QWidget
{
    Q_OBJECT
public:
    explicit ServiceCode(QWidget* parent = nullptr);

signals:
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();

public slots:
    void showQRCode(QString code);
    void qrScreenSwitched();
    void activateQR(QString code);
    void agentConnectedNotification();
    void agentDisconnectedNotification();
    void switchToServiceCodeScreen();
    void clearServiceIDScreen();
};
