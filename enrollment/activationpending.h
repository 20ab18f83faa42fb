#pragma once

#include "agent/records.h"

#include <QWidget>
#include <memory>

namespace Ui {
class ActivationPending;
}

// Shown while an activation waits for the administrator's approval; the user can ask the agent whether it has come.
class ActivationPending : public QWidget
{
    Q_OBJECT
public:
    explicit ActivationPending(QWidget* parent = nullptr);
    ~ActivationPending() override;

    // Asks the agent for the state of the pending activation again, e.g. after the link to it came back.
    void requestActivationStatus();
    void showAgentUnavailable();
    void clearAgentUnavailable();

signals:
    void goHome();
    void goSettings();
    void verifyActivationStatus();

public slots:
    void verifyActivationError(ResponseType code);
    void checkActivationStatusClicked();

private slots:
    void resendButtonClicked();
    void clearStatusText();
    void settingsClicked();

private:
    std::unique_ptr<Ui::ActivationPending> ui;
};
