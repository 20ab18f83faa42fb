#pragma once

#include "agent/records.h"
#include "enrollment/awaitedanswer.h"

#include <QWidget>
#include <memory>

namespace Ui {
class Activate;
}

// Enrollment with an administrator-issued activation code and an optional device name. The email build uses the same
// screen for the address and hands the request on to the OTP screen as well.
class Activate : public QWidget
{
    Q_OBJECT
public:
    explicit Activate(QWidget* parent = nullptr);
    ~Activate() override;

    // The agent's reason for refusing an activation, or an empty text for a code that is no refusal.
    static QString refusalText(ResponseType code);

    void setStatusText(const QString& text, int seconds);
    // A text that stays until another replaces it.
    void showNotice(const QString& text);
    void showAgentUnavailable();
    void clearAgentUnavailable();
    // The agent answered an activation: the wait for it is over, and the claim says whether the answer is still
    // wanted here.
    AnswerClaim takeActivationAnswer();

signals:
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();
    void activate(ActivationReq request);
    void sendtoOtpScreen(ActivationReq request);

public slots:
    void activationError(ResponseType code);
    void clearActivationScreen();
    void userAuthMessages(QString message);

private slots:
    void onActivateAccountRequest();
    void activateButton();
    void openSupportLink();
    void openEula();
    void clearStatusText();

private:
    ActivationReq buildRequest() const;
    void answerMissed();

    static constexpr int maxInputLength = 100;

    std::unique_ptr<Ui::Activate> ui;
    AwaitedAnswer* activationAnswer;
};
