#pragma once

#include "agent/records.h"

#include <QWidget>

class ActivationPending : public QWidget
{
    Q_OBJECT
public:
    explicit ActivationPending(QWidget* parent = nullptr);

signals:
    void goHome();
    void goSettings();
    void verifyActivationStatus();

public slots:
    void verifyActivationError(ResponseType code);
    void checkActivationStatusClicked();

public:
    void showAgentUnavailable();
    void clearAgentUnavailable();
};
