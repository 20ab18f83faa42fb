#include "enrollment/activationpending.h"

#include "agent/vexaintf.h"
#include "app/assistiveroles.h"
#include "app/brandprofile.h"
#include "app/highdpi.h"
#include "app/namedtimer.h"
#include "app/theme.h"
#include "enrollment/firstrunwords.h"
#include "ui_activationpending.h"

#include <QLocale>
#include <QTime>

namespace {
constexpr int approvalPendingMs = 5000;
constexpr int verificationFailedMs = 6000;
} // namespace

ActivationPending::ActivationPending(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ActivationPending>()),
      statusAnswer(new AwaitedAnswer(QStringLiteral("activation status"), this))
{
    ui->setupUi(this);

    setStyleSheet(QStringLiteral("background-color: #FFF; color: #000; font: 14px \"Ubuntu\";"));
    applyThemeColors(ui->titleBar, StyleTemplate::titleBar);
    applyThemeColors(ui->activationStatusButton, StyleTemplate::largeButton);
    ui->titleBar->setText(brand().displayName);
    // The form's pixmap is only ever the plain file; this one is the sharp one on a dense screen.
    AssistiveRoles::markDecorative(ui->staticIcon);
    ui->staticIcon->setPixmap(loadPicture(QStringLiteral(":/images/clock.png"), devicePixelRatioF()));
    ui->resendButton->hide();
    AssistiveRoles::nameScreen(this, ui->pendingLabel->text());

    connect(ui->resendButton, &QPushButton::clicked, this, &ActivationPending::resendButtonClicked);
    connect(ui->activationStatusButton, &QPushButton::clicked, this, &ActivationPending::checkActivationStatusClicked);
    connect(ui->settings, &QPushButton::clicked, this, &ActivationPending::settingsClicked);
    connect(ui->settingsIco, &QPushButton::clicked, this, &ActivationPending::settingsClicked);
    connect(ui->settingsNav, &QPushButton::clicked, this, &ActivationPending::settingsClicked);
    connect(this, &ActivationPending::verifyActivationStatus, vexaintf::instance(), &vexaintf::verifyActivationStatus);
    connect(statusAnswer, &AwaitedAnswer::expired, this, &ActivationPending::answerMissed);
}

ActivationPending::~ActivationPending() = default;

void ActivationPending::requestActivationStatus()
{
    // A question written to a dropped link is lost; the window asks again when the link comes back.
    if (vexaintf::instance()->isConnected())
        emit verifyActivationStatus();
}

void ActivationPending::showAgentUnavailable()
{
    // No answer comes over a dropped link: the user may ask again once it is back.
    statusAnswer->abandon();
    ui->activationStatusButton->setEnabled(true);
    showLasting(FirstRunWords::serviceUnreachable());
}

AnswerClaim ActivationPending::takeStatusAnswer()
{
    const AnswerClaim claim = statusAnswer->arrive(this);
    if (claim == AnswerClaim::Wanted) {
        dropSilenceNotice(ui->statusMessage);
        // The answer may say what the screen already said; the time shows the check was made.
        ui->checkedAt->setText(tr("Checked at %1").arg(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat)));
    }
    ui->activationStatusButton->setEnabled(true);
    return claim;
}

void ActivationPending::answerMissed()
{
    // Only a spinner over this screen is this wait's; leaving the screen has ended that one already.
    if (isFrontScreen(this))
        emit stopSpinner();
    ui->activationStatusButton->setEnabled(true);
    showLasting(FirstRunWords::serviceSilent());
}

void ActivationPending::showLasting(const QString& text)
{
    // A text shown before must not take its clearing timer along with this one.
    cancelNamedSingleShots(this, QStringLiteral("statusClearTimer"));
    ui->statusMessage->setText(text);
}

void ActivationPending::clearAgentUnavailable()
{
    if (ui->statusMessage->text() == FirstRunWords::serviceUnreachable())
        ui->statusMessage->clear();
}

void ActivationPending::verifyActivationError(ResponseType code)
{
    int showForMs = 0;
    if (code == AdminApprovalPending) {
        ui->statusMessage->setText(tr("Waiting for administrator approval"));
        showForMs = approvalPendingMs;
    } else if (code == VerificationRequestFailed) {
        ui->statusMessage->setText(tr("Verification request failed"));
        showForMs = verificationFailedMs;
    } else {
        return;
    }
    // Each timer clears whatever is showing when it fires, even a later answer.
    startNamedSingleShot(this, showForMs, QStringLiteral("statusClearTimer"), [this] { clearStatusText(); });
}

void ActivationPending::checkActivationStatusClicked()
{
    // A question written to a dropped link is lost, and clearing the line would hide why no answer comes.
    if (!vexaintf::instance()->isConnected()) {
        showAgentUnavailable();
        return;
    }
    emit verifyActivationStatus();
    ui->statusMessage->clear();
    emit startSpinner(this, true);
    ui->activationStatusButton->setEnabled(false);
    statusAnswer->start();
}

void ActivationPending::resendButtonClicked() {}

void ActivationPending::clearStatusText()
{
    ui->statusMessage->clear();
}

void ActivationPending::settingsClicked()
{
    emit goSettings();
}
