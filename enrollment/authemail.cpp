#include "enrollment/authemail.h"

#include "agent/vexaintf.h"
#include "app/assistiveroles.h"
#include "app/brandprofile.h"
#include "app/highdpi.h"
#include "app/screenlook.h"
#include "app/theme.h"
#include "enrollment/countdown.h"
#include "enrollment/firstrunwords.h"
#include "enrollment/otpscreen.h"
#include "ui_authemail.h"

#include <QTimer>

namespace {

constexpr int emailPage = 0;
constexpr int otpPage = 1;

} // namespace

AuthEmail::AuthEmail(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::AuthEmail>()), otpScreen(new OtpScreen),
      attemptBlockedTimer(new QTimer(this)),
      registrationAnswer(new AwaitedAnswer(QStringLiteral("email registration"), this))
{
    ui->setupUi(this);
    ui->stackedWidget->addWidget(otpScreen);
    attemptBlockedTimer->setObjectName(QStringLiteral("attemptBlockedTimer"));
    attemptBlockedTimer->setInterval(Countdown::tickMs);

    setStyleSheet(QStringLiteral("background-color: #FFF; color: #000; font: 14px \"Ubuntu\";"));
    ScreenLook::lightenPlaceholders(this);
    applyThemeColors(ui->titleBar, StyleTemplate::titleBar);
    applyThemeColors(ui->emailAuthButton, StyleTemplate::largeButton);
    applyThemeColors(ui->skipButton, StyleTemplate::largeButton, ThemeColors::darkColors());
    ui->titleBar->setText(brand().displayName);
    ui->staticIcon->setFixedSize(brand().screenLogoSize);
    ScreenLook::showFitted(ui->staticIcon,
                           sharedPicture(brand().connectImagePath, devicePixelRatioF(), brand().screenLogoSize),
                           brand().screenLogoSize);
    ui->mailInput->setMaxLength(maxInputLength);
    ui->emailAuthButton->setEnabled(false);
    ScreenLook::focusOnShow(ui->authEmail, ui->mailInput);
    AssistiveRoles::nameScreen(ui->authEmail, ui->authLabel->text());
    AssistiveRoles::markArrangement(ui->stackedWidget);

    vexaintf* agent = vexaintf::instance();
    connect(ui->skipButton, &QPushButton::clicked, this, &AuthEmail::skipButtonClicked);
    connect(ui->emailAuthButton, &QPushButton::clicked, this, &AuthEmail::nextButtonClicked);
    connect(ui->mailInput, &QLineEdit::textChanged, this, &AuthEmail::enableNextButton);
    connect(ui->mailInput, &QLineEdit::returnPressed, this, &AuthEmail::nextButtonClicked);
    connect(otpScreen, &OtpScreen::goMainWin, this, &AuthEmail::goMainWin);
    connect(otpScreen, &OtpScreen::goEmailScreen, this, &AuthEmail::goEmailScreen);
    connect(this, &AuthEmail::sendMailID, otpScreen, &OtpScreen::getMailID);
    connect(this, &AuthEmail::sendToOtpScreen, otpScreen, &OtpScreen::getActivationDetails);
    connect(this, &AuthEmail::userregister, agent, &vexaintf::userregister);
    connect(otpScreen, &OtpScreen::userRegistration, agent, &vexaintf::userregister);
    connect(this, &AuthEmail::userAuthResponse, otpScreen, &OtpScreen::processResponse);
    connect(attemptBlockedTimer, &QTimer::timeout, this, &AuthEmail::onAttemptBlockedTimeOut);
    connect(otpScreen, &OtpScreen::startSpinner, this, &AuthEmail::startSpinner);
    connect(otpScreen, &OtpScreen::stopSpinner, this, &AuthEmail::stopSpinner);
    connect(otpScreen, &OtpScreen::goActivation, this, &AuthEmail::goActivation);
    connect(registrationAnswer, &AwaitedAnswer::expired, this, &AuthEmail::registrationMissed);
}

AuthEmail::~AuthEmail() = default;

void AuthEmail::showAgentUnavailable()
{
    // No answer comes over a dropped link: the address stays as typed, to be sent once the link is back.
    registrationAnswer->abandon();
    enableNextButton(ui->mailInput->text());
    ui->statusMessage->setText(FirstRunWords::serviceUnreachable());
    otpScreen->showAgentUnavailable();
}

void AuthEmail::clearAgentUnavailable()
{
    if (ui->statusMessage->text() == FirstRunWords::serviceUnreachable())
        ui->statusMessage->clear();
    otpScreen->clearAgentUnavailable();
}

AnswerClaim AuthEmail::takeUserAnswer()
{
    const AnswerClaim registration = registrationAnswer->arrive(ui->authEmail);
    if (enrollsDevice())
        return registration;
    return strongestClaim({registration, otpScreen->takeAnswer()});
}

AnswerClaim AuthEmail::takeActivationAnswer()
{
    return enrollsDevice() ? otpScreen->takeAnswer() : AnswerClaim::Unasked;
}

bool AuthEmail::enrollsDevice() const
{
    return otpScreen->enrollsDevice();
}

bool AuthEmail::showsEnrollmentOtp() const
{
    return ui->stackedWidget->currentWidget() == otpScreen && otpScreen->enrollsDevice();
}

void AuthEmail::registrationMissed()
{
    // Only a spinner over this screen is this wait's; leaving the screen has ended that one already.
    if (isFrontScreen(this))
        emit stopSpinner();
    enableNextButton(ui->mailInput->text());
    ui->statusMessage->setText(FirstRunWords::serviceSilent());
}

void AuthEmail::processUserAuthResponse(Response response)
{
    registrationAnswer->settle();
    dropSilenceNotice(ui->statusMessage);
    // The resend wait is the answer's own next attempt; how long attempts stay blocked is the agent's one block time,
    // the same member the OTP page reads, whichever request was answered. Texts for the activation screen are for an
    // enrollment only: a user signing in is on this screen.
    const bool enrolling = enrollsDevice();
    const qint64 resendWait = enrolling ? response.actNextAttempt : response.regNextAttempt;

    switch (response.code) {
    case InvalidEmail:
        ui->statusMessage->setText(tr("Invalid email"));
        if (enrolling)
            emit sendMessageToActivate(tr("Invalid email. Please contact your administrator."));
        break;
    case OtpSent:
        showPage(otpPage);
        if (enrolling)
            emit switchToEmailScreen();
        break;
    case OtpResendBlocked:
        ui->statusMessage->setText(tr("OTP resend blocked. Please try again later."));
        if (enrolling)
            emit sendMessageToActivate(ui->statusMessage->text());
        startCountdown(resendWait);
        break;
    case OtpAttemptsBlocked:
        ui->statusMessage->setText(tr("OTP attempts blocked. Please try again later."));
        if (enrolling)
            emit sendMessageToActivate(ui->statusMessage->text());
        startCountdown(response.userActNextAttempt);
        break;
    case UserRegistrationFailure:
        ui->statusMessage->setText(tr("User registration failed"));
        break;
    default:
        break;
    }
    emit userAuthResponse(response);
    // The answer ends the wait for it, but not a block that is still counting down.
    enableNextButton(ui->mailInput->text());
}

void AuthEmail::signInReq()
{
    otpScreen->clearOtpScreen();
    showPage(emailPage);
}

void AuthEmail::authADReq()
{
    // Written to a dropped link the sign-in would be lost without a word.
    if (!vexaintf::instance()->isConnected()) {
        showAgentUnavailable();
        return;
    }
    emit userregister(QString());
}

void AuthEmail::clearEmailScreen()
{
    ui->mailInput->clear();
    ui->statusMessage->clear();
}

void AuthEmail::setCompanyName(QString name)
{
    if (name.isEmpty()) {
        ui->authText->setText(
            tr("Sign in using your company email address to access the enterprise network from this endpoint."));
        return;
    }
    //: %1 is the name of the user's company.
    ui->authText->setText(
        tr("Sign in using your %1 email address to access the enterprise network from this endpoint.").arg(name));
}

void AuthEmail::onAttemptBlockedTimeOut()
{
    // The block keeps counting while the link is down, but the line keeps saying that the link is down.
    const bool linkLossShown = ui->statusMessage->text() == FirstRunWords::serviceUnreachable();
    if (attemptBlockedTime == Countdown::zero) {
        attemptBlockedTimer->stop();
        enableNextButton(ui->mailInput->text());
        if (!linkLossShown)
            ui->statusMessage->clear();
        return;
    }
    attemptBlockedTime = attemptBlockedTime.addSecs(-1);
    if (!linkLossShown)
        //: %1 is the time left, as hours:minutes:seconds.
        ui->statusMessage->setText(
            tr("OTP attempts are blocked for %1.").arg(attemptBlockedTime.toString(QStringLiteral("hh:mm:ss"))));
    ui->emailAuthButton->setEnabled(false);
}

void AuthEmail::skipButtonClicked()
{
    emit goHome();
    emit stopSpinner();
}

void AuthEmail::nextButtonClicked()
{
    if (!vexaintf::instance()->isConnected()) {
        ui->statusMessage->setText(FirstRunWords::serviceUnreachable());
        otpScreen->showAgentUnavailable();
        return;
    }
    clearAgentUnavailable();
    dropSilenceNotice(ui->statusMessage);
    // Enter in the address field lands here as well; a disabled Next means a block is counting down or an answer is
    // still awaited, and neither may be bypassed from the keyboard.
    if (ui->mailInput->text().isEmpty() || !ui->emailAuthButton->isEnabled())
        return;

    const QString mailId = ui->mailInput->text().trimmed();
    otpScreen->startSignIn(mailId);
    emit startSpinner(this, false);
    emit sendMailID(mailId);
    emit userregister(mailId);
    ui->emailAuthButton->setEnabled(false);
    registrationAnswer->start();
}

void AuthEmail::goMainWin()
{
    emit goHome();
}

void AuthEmail::enableNextButton(QString text)
{
    ui->emailAuthButton->setEnabled(!text.isEmpty() && !attemptBlockedTimer->isActive() &&
                                    !registrationAnswer->isWaiting());
}

void AuthEmail::goEmailScreen()
{
    if (ui->stackedWidget->currentIndex() == emailPage)
        return;
    // Back keeps the address for another try; what the agent said about the last one goes, unless the link is down.
    if (ui->statusMessage->text() != FirstRunWords::serviceUnreachable())
        ui->statusMessage->clear();
    showPage(emailPage);
}

void AuthEmail::startCountdown(qint64 seconds)
{
    attemptBlockedTime = Countdown::from(seconds);
    if (attemptBlockedTime != Countdown::zero)
        attemptBlockedTimer->start();
}

void AuthEmail::showPage(int index)
{
    if (ui->stackedWidget->currentIndex() != index)
        ui->stackedWidget->setCurrentIndex(index);
}
