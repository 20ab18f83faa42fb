#pragma once

#include "agent/records.h"
#include "enrollment/awaitedanswer.h"

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

    // Asks the agent for the state of the pending activation again on the window's own account, e.g. after the link
    // to it came back; nobody waits for that answer.
    void requestActivationStatus();
    void showAgentUnavailable();
    void clearAgentUnavailable();
    // The agent answered a status question: the user's wait for it is over, and the claim says whether the answer is
    // still wanted here.
    AnswerClaim takeStatusAnswer();

signals:
    void goHome();
    void goSettings();
    void verifyActivationStatus();
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();

public slots:
    void verifyActivationError(ResponseType code);
    void checkActivationStatusClicked();

private slots:
    void resendButtonClicked();
    void clearStatusText();
    void settingsClicked();

private:
    void answerMissed();
    void showLasting(const QString& text);

    std::unique_ptr<Ui::ActivationPending> ui;
    AwaitedAnswer* statusAnswer;
};
