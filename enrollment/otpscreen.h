#pragma once

#include "agent/records.h"
#include "enrollment/awaitedanswer.h"

#include <QTime>
#include <QWidget>
#include <memory>

namespace Ui {
class OtpScreen;
}
class QTimer;

// Takes the one-time password the agent mailed. For sign-in it answers a user registration; for the email enrollment
// method it completes the activation request made on the activation screen. Which of the two it serves is decided by
// the screen that opened it, since a brand that enrolls by email also signs its users in again by email. Counts down
// the OTP's validity, the wait before a resend and the time OTP attempts stay blocked.
class OtpScreen : public QWidget
{
    Q_OBJECT
public:
    explicit OtpScreen(QWidget* parent = nullptr);
    ~OtpScreen() override;

    // The user signs in as `address`: Submit verifies the OTP for it, whatever the brand's enrollment method.
    void startSignIn(const QString& address);
    // Whether the OTP completes an email enrollment, rather than a user's sign-in.
    bool enrollsDevice() const { return enrolling; }
    void showAgentUnavailable();
    void clearAgentUnavailable();
    // The agent answered an OTP or a resend: the wait for it is over, and the claim says whether the answer is still
    // wanted here.
    AnswerClaim takeAnswer();

signals:
    void goMainWin();
    void goEmailScreen();
    void goActivation();
    void deviceActivate(ActivationReq request);
    void useractivate(QString email, QString otp);
    void userRegistration(QString email);
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();

public slots:
    void clearOtpScreen();
    void processResponse(Response response);
    void getMailID(QString email);
    // The activation screen's request: from now on the OTP completes that enrollment.
    void getActivationDetails(ActivationReq request);
    // Countdown ticks, once a second while their timer runs.
    void onValidityTimeOut();
    void onResendTimeOut();
    void onAttemptBlockedTimeOut();

private slots:
    void cancelClicked();
    void submitClicked();
    void enableSubmitButton(QString text);
    void backButtonClicked();
    void resendButtonClicked();

private:
    bool waitingForAnswer() const;
    void startWait(AwaitedAnswer* answer);
    void answerMissed();
    void offerResend();
    void serve(bool enrollment);
    void showDigitsHint(bool refused);

    static constexpr int maxInputLength = 50;
    static constexpr int maxEnrollmentDigits = 9;

    std::unique_ptr<Ui::OtpScreen> ui;
    QString email;
    QString mailId;
    ActivationReq storedRequest;
    bool enrolling;
    bool blocked = false;
    QTime validityTime{0, 0};
    QTime resendTime{0, 0};
    QTime attemptBlockedTime{0, 0};
    QTimer* validityTimer;
    QTimer* resendTimer;
    QTimer* attemptBlockedTimer;
    // One question at a time: answers carry no identity to tell a submitted OTP's from a resend's.
    AwaitedAnswer* submitAnswer;
    AwaitedAnswer* resendAnswer;
};
