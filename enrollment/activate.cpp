#include "enrollment/activate.h"

#include "agent/vexaintf.h"
#include "app/brandprofile.h"
#include "app/highdpi.h"
#include "app/namedtimer.h"
#include "app/screenlook.h"
#include "app/theme.h"
#include "app/weblink.h"
#include "enrollment/firstrunwords.h"
#include "ui_activate.h"

namespace {

constexpr int failureSeconds = 5;
constexpr int authMessageMs = 5000;

const char* activationFailureText(ResponseType code)
{
    switch (code) {
    case InvalidActivationCode:
        return QT_TRANSLATE_NOOP("Activate", "Invalid activation code");
    case InvalidName:
        return QT_TRANSLATE_NOOP("Activate", "Invalid device name");
    case ConnectivityFailure:
        return QT_TRANSLATE_NOOP("Activate", "Activation failed due to connectivity issues");
    case AgentNotActivated:
        return QT_TRANSLATE_NOOP("Activate", "Agent not activated");
    case DuplicateDeviceName:
        return QT_TRANSLATE_NOOP("Activate", "Duplicate device name");
    case ActivationNotAllowed:
        return QT_TRANSLATE_NOOP("Activate", "Device activation is not allowed. Please contact your administrator.");
    case ActivationCodeExpired:
        return QT_TRANSLATE_NOOP("Activate", "Activation code expired");
    case MaxDevicesReached:
        return QT_TRANSLATE_NOOP("Activate", "Maximum number of devices reached for your account");
    default:
        return nullptr;
    }
}

// The service-ID build enrolls through its QR screen; the agent would read a request from here as an empty QR
// activation, so under that method this screen never sends one.
bool sendsRequests()
{
    return brand().activationType == ActivationType::ActivationCode || brand().usesEmailEnrollment();
}

} // namespace

Activate::Activate(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Activate>()),
      activationAnswer(new AwaitedAnswer(QStringLiteral("activation"), this))
{
    ui->setupUi(this);

    setStyleSheet(QStringLiteral("background-color: #FFF; color: #000; font: 14px \"Ubuntu\";"));
    ScreenLook::lightenPlaceholders(this);
    applyThemeColors(ui->titleBar, StyleTemplate::titleBar);
    applyThemeColors(ui->activateButton, StyleTemplate::largeButton);
    ui->titleBar->setText(brand().displayName);
    ui->staticIcon->setFixedSize(brand().screenLogoSize);
    ScreenLook::showFitted(ui->staticIcon,
                           sharedPicture(brand().connectImagePath, devicePixelRatioF(), brand().screenLogoSize),
                           brand().screenLogoSize);
    ui->contactSupportWidget->hide();
    if (brand().usesEmailEnrollment()) {
        ui->codeInput->setPlaceholderText(tr("Email"));
        ui->codeInput->setAccessibleName(tr("Email"));
        ui->contactAdminLabel->hide();
    }
    ui->activateButton->setEnabled(false);
    ui->codeInput->setMaxLength(maxInputLength);
    ui->friendlyName->setMaxLength(maxInputLength);
    ScreenLook::focusOnShow(this, ui->codeInput);

    connect(ui->linkIcon, &QPushButton::clicked, this, &Activate::openSupportLink);
    connect(ui->eulaCheckBox, &QCheckBox::stateChanged, this, &Activate::activateButton);
    connect(ui->codeInput, &QLineEdit::textEdited, this, &Activate::activateButton);
    connect(ui->codeInput, &QLineEdit::returnPressed, this, &Activate::onActivateAccountRequest);
    connect(ui->friendlyName, &QLineEdit::returnPressed, this, &Activate::onActivateAccountRequest);
    connect(ui->eulaButton, &QPushButton::clicked, this, &Activate::openEula);
    connect(ui->activateButton, &QPushButton::clicked, this, &Activate::onActivateAccountRequest);
    connect(this, &Activate::activate, vexaintf::instance(), &vexaintf::activate);
    connect(activationAnswer, &AwaitedAnswer::expired, this, &Activate::answerMissed);
}

Activate::~Activate() = default;

QString Activate::refusalText(ResponseType code)
{
    const char* text = activationFailureText(code);
    return text ? tr(text) : QString();
}

void Activate::showNotice(const QString& text)
{
    // A text shown before must not take its clearing timer along with this one.
    cancelNamedSingleShots(this, QStringLiteral("statusClearTimer"));
    ui->statusMessage->setText(text);
}

void Activate::setStatusText(const QString& text, int seconds)
{
    ui->statusMessage->setText(text);
    // Each timer clears whatever is showing when it fires, even a later text.
    startNamedSingleShot(this, seconds * 1000, QStringLiteral("statusClearTimer"), [this] { clearStatusText(); });
}

void Activate::showAgentUnavailable()
{
    // No answer comes over a dropped link: the fields are the user's again, as they typed them.
    activationAnswer->abandon();
    activateButton();
    showNotice(FirstRunWords::serviceUnreachable());
}

void Activate::clearAgentUnavailable()
{
    if (ui->statusMessage->text() == FirstRunWords::serviceUnreachable())
        ui->statusMessage->clear();
}

AnswerClaim Activate::takeActivationAnswer()
{
    const AnswerClaim claim = activationAnswer->arrive(this);
    if (claim == AnswerClaim::Wanted) {
        dropSilenceNotice(ui->statusMessage);
        activateButton();
    }
    return claim;
}

void Activate::answerMissed()
{
    // Only a spinner over this screen is this wait's; leaving the screen has ended that one already.
    if (isFrontScreen(this))
        emit stopSpinner();
    activateButton();
    showNotice(FirstRunWords::serviceSilent());
}

void Activate::activationError(ResponseType code)
{
    const QString text = refusalText(code);
    if (text.isEmpty())
        return;
    setStatusText(text, failureSeconds);
    // The request is answered: the same fields may be sent again, e.g. after a connectivity failure.
    activateButton();
}

void Activate::clearActivationScreen()
{
    ui->activateButton->setEnabled(false);
    ui->codeInput->clear();
    ui->friendlyName->clear();
    ui->eulaCheckBox->setChecked(false);
}

void Activate::userAuthMessages(QString message)
{
    setStatusText(message, authMessageMs / 1000);
}

void Activate::onActivateAccountRequest()
{
    if (!vexaintf::instance()->isConnected()) {
        showAgentUnavailable();
        return;
    }
    clearAgentUnavailable();
    dropSilenceNotice(ui->statusMessage);
    // Enter in the code field lands here without the button, so the licence agreement is checked here too.
    if (ui->codeInput->text().isEmpty() || !ui->eulaCheckBox->isChecked() || !sendsRequests())
        return;

    const ActivationReq request = buildRequest();
    emit activate(request);
    if (brand().usesEmailEnrollment())
        emit sendtoOtpScreen(request);
    emit startSpinner(this, true);
    ui->activateButton->setEnabled(false);
    activationAnswer->start();
}

void Activate::activateButton()
{
    ui->activateButton->setEnabled(!ui->codeInput->text().isEmpty() && ui->eulaCheckBox->isChecked() &&
                                   sendsRequests());
}

void Activate::openSupportLink()
{
    openLink(brand().supportUrl, this);
}

void Activate::openEula()
{
    openLink(brand().eulaUrl, this);
}

void Activate::clearStatusText()
{
    ui->statusMessage->clear();
}

ActivationReq Activate::buildRequest() const
{
    ActivationReq request;
    request.actType = brand().activationType;
    const QString code = ui->codeInput->text().trimmed();
    const QString name = ui->friendlyName->text().trimmed();
    if (brand().usesEmailEnrollment()) {
        request.email = code;
        request.emailName = name;
        request.otp = -1;
    } else {
        request.actCode = code;
        request.actCodeName = name;
        request.otp = 0;
    }
    return request;
}
