#include "enrollment/otpscreen.h"

#include "agent/vexaintf.h"
#include "app/brandprofile.h"
#include "app/highdpi.h"
#include "app/screenlook.h"
#include "app/theme.h"
#include "enrollment/countdown.h"
#include "enrollment/firstrunwords.h"
#include "settings/subscreenframe.h"
#include "ui_otpscreen.h"

#include <QTimer>
#include <QValidator>

namespace {

// OTPs are digits. Letters would go out as 0 where the code travels as a number, so the field refuses them; blanks
// that come along with a pasted code are dropped rather than refusing the whole paste.
class DigitsValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        for (int i = input.size() - 1; i >= 0; --i) {
            if (input.at(i).isSpace()) {
                input.remove(i, 1);
                if (i < position)
                    --position;
            }
        }
        for (const QChar c : input) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        }
        return Acceptable;
    }
};

QTimer* makeTickTimer(QObject* owner, const QString& name)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(name);
    timer->setInterval(Countdown::tickMs);
    return timer;
}

} // namespace

OtpScreen::OtpScreen(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::OtpScreen>()), enrolling(brand().usesEmailEnrollment()),
      validityTimer(makeTickTimer(this, QStringLiteral("validityTimer"))),
      resendTimer(makeTickTimer(this, QStringLiteral("resendTimer"))),
      attemptBlockedTimer(makeTickTimer(this, QStringLiteral("otpAttemptBlockedTimer"))),
      submitAnswer(new AwaitedAnswer(QStringLiteral("one-time password"), this)),
      resendAnswer(new AwaitedAnswer(QStringLiteral("one-time password resend"), this))
{
    ui->setupUi(this);

    setStyleSheet(QStringLiteral("background-color: #FFF; color: #000; font: 14px \"Ubuntu\";"));
    ScreenLook::lightenPlaceholders(this);
    // The bar is a plain container, which paints a style-sheet background only when asked to.
    ui->titleBar->setAttribute(Qt::WA_StyledBackground);
    applyThemeColors(ui->titleBar, StyleTemplate::titleBar);
    applyThemeColors(ui->submitButton, StyleTemplate::largeButton);
    ui->otpScreenLabel->setText(brand().displayName);
    ui->staticIcon->setFixedSize(brand().screenLogoSize);
    ScreenLook::showFitted(ui->staticIcon,
                           sharedPicture(brand().connectImagePath, devicePixelRatioF(), brand().screenLogoSize),
                           brand().screenLogoSize);
    ui->otpInput->setMaxLength(maxInputLength);
    ui->otpInput->setValidator(new DigitsValidator(ui->otpInput));
    ui->otpInput->setInputMethodHints(Qt::ImhDigitsOnly);
    ui->resendButton->setEnabled(false);
    ui->submitButton->setEnabled(false);
    serve(enrolling);

    connect(ui->cancelButton, &QPushButton::clicked, this, &OtpScreen::cancelClicked);
    connect(ui->submitButton, &QPushButton::clicked, this, &OtpScreen::submitClicked);
    connect(ui->backButton, &QPushButton::clicked, this, &OtpScreen::backButtonClicked);
    ScreenLook::escapeGoesBack(this, ui->backButton);
    ScreenLook::focusOnShow(this, ui->otpInput);
    connect(ui->resendButton, &QPushButton::clicked, this, &OtpScreen::resendButtonClicked);
    connect(ui->otpInput, &QLineEdit::returnPressed, this, &OtpScreen::submitClicked);
    connect(ui->otpInput, &QLineEdit::textChanged, this, &OtpScreen::enableSubmitButton);
    connect(ui->otpInput, &QLineEdit::inputRejected, this, [this] { showDigitsHint(true); });
    connect(ui->otpInput, &QLineEdit::textEdited, this, [this] { showDigitsHint(false); });
    connect(this, &OtpScreen::useractivate, vexaintf::instance(), &vexaintf::useractivate);
    connect(this, &OtpScreen::deviceActivate, vexaintf::instance(), &vexaintf::activate);
    connect(validityTimer, &QTimer::timeout, this, &OtpScreen::onValidityTimeOut);
    connect(resendTimer, &QTimer::timeout, this, &OtpScreen::onResendTimeOut);
    connect(attemptBlockedTimer, &QTimer::timeout, this, &OtpScreen::onAttemptBlockedTimeOut);
    connect(submitAnswer, &AwaitedAnswer::expired, this, &OtpScreen::answerMissed);
    connect(resendAnswer, &AwaitedAnswer::expired, this, &OtpScreen::answerMissed);
}

OtpScreen::~OtpScreen() = default;

void OtpScreen::startSignIn(const QString& address)
{
    email = address;
    serve(false);
}

// An enrollment has no home page to cancel to: the device is not enrolled yet.
void OtpScreen::serve(bool enrollment)
{
    enrolling = enrollment;
    ui->cancelButton->setHidden(enrolling);
    // The enrollment request carries the OTP as an int: more digits than nine could overflow it.
    ui->otpInput->setMaxLength(enrolling ? maxEnrollmentDigits : maxInputLength);
}

// A refused key is said next to the field, where the user looks for the typed character.
void OtpScreen::showDigitsHint(bool refused)
{
    ui->otpHint->setStyleSheet(
        QStringLiteral("font-size: 12px; color: %1;").arg(refused ? warningColor.name() : QStringLiteral("gray")));
}

void OtpScreen::showAgentUnavailable()
{
    // No answer comes over a dropped link: the OTP stays as typed, to be sent once the link is back.
    const bool submitted = submitAnswer->abandon();
    if (resendAnswer->abandon() || submitted) {
        enableSubmitButton(ui->otpInput->text());
        offerResend();
    }
    ui->statusMessage->setText(FirstRunWords::serviceUnreachable());
}

void OtpScreen::clearAgentUnavailable()
{
    if (ui->statusMessage->text() == FirstRunWords::serviceUnreachable())
        ui->statusMessage->clear();
}

AnswerClaim OtpScreen::takeAnswer()
{
    return strongestClaim({submitAnswer->arrive(this), resendAnswer->arrive(this)});
}

bool OtpScreen::waitingForAnswer() const
{
    return submitAnswer->isWaiting() || resendAnswer->isWaiting();
}

void OtpScreen::startWait(AwaitedAnswer* answer)
{
    emit startSpinner(this, false);
    answer->start();
    ui->submitButton->setEnabled(false);
    ui->resendButton->setEnabled(false);
}

void OtpScreen::answerMissed()
{
    // Only a spinner over this screen is this wait's; leaving the screen has ended that one already.
    if (isFrontScreen(this))
        emit stopSpinner();
    enableSubmitButton(ui->otpInput->text());
    offerResend();
    ui->statusMessage->setText(FirstRunWords::serviceSilent());
}

// Resend is there unless attempts are blocked, a resend wait is counting down or a question is still open.
void OtpScreen::offerResend()
{
    ui->resendButton->setEnabled(!blocked && !resendTimer->isActive() && !waitingForAnswer());
}

void OtpScreen::clearOtpScreen()
{
    ui->statusMessage->clear();
    ui->otpInput->clear();
}

void OtpScreen::cancelClicked()
{
    emit goMainWin();
    emit stopSpinner();
}

void OtpScreen::submitClicked()
{
    if (!vexaintf::instance()->isConnected()) {
        showAgentUnavailable();
        return;
    }
    clearAgentUnavailable();
    dropSilenceNotice(ui->statusMessage);
    // Enter lands here as well, past a disabled Submit. The OTP stays in the field until the agent accepts it, so a
    // lost answer or a typing slip costs the user nothing.
    const QString otp = ui->otpInput->text();
    if (!otp.isEmpty() && !blocked && !waitingForAnswer()) {
        if (enrolling) {
            storedRequest.otp = otp.trimmed().toInt();
            emit deviceActivate(storedRequest);
        } else {
            emit useractivate(email, otp.trimmed());
        }
        startWait(submitAnswer);
    }
    ui->submitButton->setEnabled(false);
}

void OtpScreen::processResponse(Response response)
{
    // Whichever question this answers, it is over.
    submitAnswer->settle();
    resendAnswer->settle();
    dropSilenceNotice(ui->statusMessage);
    const qint64 resendWait = enrolling ? response.actNextAttempt : response.regNextAttempt;
    const qint64 validity = enrolling ? response.actOtpValidity : response.regOtpValidity;
    const qint64 attemptsBlocked = response.userActNextAttempt;

    if (resendWait != 0) {
        resendTime = Countdown::from(resendWait);
        resendTimer->start();
    }
    if (validity != 0) {
        validityTime = Countdown::from(validity);
        validityTimer->start();
    }
    if (attemptsBlocked != 0)
        attemptBlockedTime = Countdown::from(attemptsBlocked);

    if (attemptBlockedTime != Countdown::zero) {
        // The resend wait keeps counting through the block, so that its time is not frozen on the screen and
        // resend can come back when the block ends.
        ui->resendButton->setEnabled(false);
        validityTime = Countdown::zero;
        validityTimer->stop();
        ui->validLabel->clear();
        blocked = true;
        // Whatever the code, a block counts down: nothing else would ever end it.
        if (!attemptBlockedTimer->isActive())
            attemptBlockedTimer->start();
    } else {
        blocked = false;
        // A resend wait that has just started keeps the button off until it runs out.
        offerResend();
    }
    enableSubmitButton(ui->otpInput->text());

    switch (response.code) {
    case InvalidEmail:
        ui->statusMessage->setText(tr("Invalid email"));
        break;
    case InvalidOtp:
        ui->statusMessage->setText(tr("Invalid OTP"));
        break;
    case OtpSent:
        if (!blocked)
            ui->statusMessage->clear();
        break;
    case OtpResendBlocked:
        ui->statusMessage->setText(tr("OTP resend blocked"));
        break;
    case OtpAttemptsBlocked:
        ui->statusMessage->setText(tr("OTP attempts blocked"));
        ui->submitButton->setEnabled(false);
        attemptBlockedTimer->start();
        break;
    case UserAssociationFailure:
        ui->statusMessage->setText(tr("User association failed"));
        break;
    case Activated:
    case ActivationAccepted:
    case AdminApprovalPending:
        // The OTP was accepted: signed in, or the device enrolled or waiting for approval.
        ui->otpInput->clear();
        break;
    default:
        break;
    }
}

void OtpScreen::enableSubmitButton(QString text)
{
    ui->submitButton->setEnabled(!text.isEmpty() && !blocked && !waitingForAnswer());
}

void OtpScreen::backButtonClicked()
{
    if (enrolling)
        emit goActivation();
    else
        emit goEmailScreen();
    emit stopSpinner();
}

void OtpScreen::getMailID(QString address)
{
    mailId = address;
}

void OtpScreen::getActivationDetails(ActivationReq request)
{
    storedRequest = request;
    serve(true);
}

void OtpScreen::resendButtonClicked()
{
    // Written to a dropped link the request would be lost while the screen claimed a new OTP was on its way.
    if (!vexaintf::instance()->isConnected()) {
        showAgentUnavailable();
        return;
    }
    if (enrolling) {
        if (storedRequest.email.isEmpty()) {
            ui->statusMessage->setText(
                tr("Email address not found. Please go back to the activation screen and try again."));
            return;
        }
        ui->statusMessage->clear();
        // The agent mails a new OTP only for a request that carries none; a submitted one would be checked instead.
        storedRequest.otp = -1;
        emit deviceActivate(storedRequest);
        startWait(resendAnswer);
        return;
    }
    if (mailId.isEmpty()) {
        ui->statusMessage->setText(tr("Email address not found. Please go back to the email screen and try again."));
        return;
    }
    ui->statusMessage->clear();
    emit userRegistration(mailId);
    startWait(resendAnswer);
}

void OtpScreen::onValidityTimeOut()
{
    if (validityTime == Countdown::zero) {
        validityTimer->stop();
        ui->validLabel->clear();
        return;
    }
    validityTime = validityTime.addSecs(-1);
    //: %1 is the time left, as minutes:seconds.
    ui->validLabel->setText(tr("Your OTP is valid for %1.").arg(validityTime.toString(QStringLiteral("mm:ss"))));
}

void OtpScreen::onResendTimeOut()
{
    if (resendTime == Countdown::zero) {
        resendTimer->stop();
        offerResend();
        ui->retryTimer->clear();
        return;
    }
    resendTime = resendTime.addSecs(-1);
    ui->resendButton->setEnabled(false);
    ui->retryTimer->setText(QStringLiteral("(") + resendTime.toString(QStringLiteral("mm:ss")) + QStringLiteral(")"));
}

void OtpScreen::onAttemptBlockedTimeOut()
{
    // The block keeps counting while the link is down, but the line keeps saying that the link is down.
    const bool linkLossShown = ui->statusMessage->text() == FirstRunWords::serviceUnreachable();
    if (attemptBlockedTime == Countdown::zero) {
        blocked = false;
        attemptBlockedTimer->stop();
        if (!linkLossShown)
            ui->statusMessage->clear();
        enableSubmitButton(ui->otpInput->text());
        offerResend();
        return;
    }
    attemptBlockedTime = attemptBlockedTime.addSecs(-1);
    blocked = true;
    if (!linkLossShown)
        //: %1 is the time left, as hours:minutes:seconds.
        ui->statusMessage->setText(
            tr("OTP attempts are blocked for %1.").arg(attemptBlockedTime.toString(QStringLiteral("hh:mm:ss"))));
}
