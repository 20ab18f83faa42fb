#pragma once

#include "agent/records.h"
#include "enrollment/awaitedanswer.h"

#include <QTime>
#include <QWidget>
#include <memory>

namespace Ui {
class AuthEmail;
}
class OtpScreen;
class QTimer;

// Sign-in of the device's user with an email address: the agent mails an OTP, which the user confirms on the OTP
// screen held as page 1 of this screen's own stack. In the email enrollment method it also relays the activation
// request from the activation screen to the OTP screen; an enrolled device of that method signs its users in as every
// other device does, by user registration and user activation.
class AuthEmail : public QWidget
{
    Q_OBJECT
public:
    explicit AuthEmail(QWidget* parent = nullptr);
    ~AuthEmail() override;

    void showAgentUnavailable();
    void clearAgentUnavailable();
    // The agent answered a user registration or OTP (message types 4 and 6), or in the email enrollment method an
    // activation from the OTP page: the waits for it are over, and the claim says whether the answer is still wanted.
    AnswerClaim takeUserAnswer();
    AnswerClaim takeActivationAnswer();
    // Whether the OTP page completes an email enrollment, so that activation answers are the OTP flow's to hear.
    bool enrollsDevice() const;
    // The user is on the OTP page completing an email enrollment, rather than signing in.
    bool showsEnrollmentOtp() const;

signals:
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();
    void goHome();
    void goActivation();
    void switchToEmailScreen();
    void sendMessageToActivate(QString message);
    void sendToOtpScreen(ActivationReq request);
    void userregister(QString email);
    void activationFailure(ResponseType code);
    void userAuthResponse(Response response);
    void sendMailID(QString email);

public slots:
    void processUserAuthResponse(Response response);
    void signInReq();
    void authADReq();
    void clearEmailScreen();
    void setCompanyName(QString name);
    // One tick of the attempts-blocked countdown, once a second while its timer runs.
    void onAttemptBlockedTimeOut();

private slots:
    void skipButtonClicked();
    void nextButtonClicked();
    void goMainWin();
    void enableNextButton(QString text);
    void goEmailScreen();

private:
    void startCountdown(qint64 seconds);
    void showPage(int index);
    void registrationMissed();

    static constexpr int maxInputLength = 100;

    std::unique_ptr<Ui::AuthEmail> ui;
    OtpScreen* otpScreen;
    QTime attemptBlockedTime{0, 0};
    QTimer* attemptBlockedTimer;
    AwaitedAnswer* registrationAnswer;
};
