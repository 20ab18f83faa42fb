#include "enrollment/activationpending.h"

#include "agent/vexaintf.h"
#include "app/brandprofile.h"
#include "app/highdpi.h"
#include "app/namedtimer.h"
#include "app/theme.h"
#include "ui_activationpending.h"

namespace {
constexpr int approvalPendingMs = 5000;
constexpr int verificationFailedMs = 6000;
} // namespace

ActivationPending::ActivationPending(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::ActivationPending>())
{
    ui->setupUi(this);

    setStyleSheet(QStringLiteral("background-color: #FFF; color: #000; font: 14px \"Ubuntu\";"));
    applyThemeColors(ui->titleBar, StyleTemplate::titleBar);
    applyThemeColors(ui->activationStatusButton, StyleTemplate::largeButton);
    ui->titleBar->setText(brand().displayName);
    // The form's pixmap is only ever the plain file; this one is the sharp one on a dense screen.
    ui->staticIcon->setPixmap(loadPicture(QStringLiteral(":/images/clock.png"), devicePixelRatioF()));
    ui->resendButton->hide();

    connect(ui->resendButton, &QPushButton::clicked, this, &ActivationPending::resendButtonClicked);
    connect(ui->activationStatusButton, &QPushButton::clicked, this, &ActivationPending::checkActivationStatusClicked);
    connect(ui->settings, &QPushButton::clicked, this, &ActivationPending::settingsClicked);
    connect(ui->settingsIco, &QPushButton::clicked, this, &ActivationPending::settingsClicked);
    connect(ui->settingsNav, &QPushButton::clicked, this, &ActivationPending::settingsClicked);
    connect(this, &ActivationPending::verifyActivationStatus, vexaintf::instance(), &vexaintf::verifyActivationStatus);
}

ActivationPending::~ActivationPending() = default;

void ActivationPending::requestActivationStatus()
{
    emit verifyActivationStatus();
}

void ActivationPending::showAgentUnavailable()
{
    // A text shown before the drop must not take its clearing timer along with the link's text.
    cancelNamedSingleShots(this, QStringLiteral("statusClearTimer"));
    ui->statusMessage->setText(tr("Unable to connect with application service"));
}

void ActivationPending::clearAgentUnavailable()
{
    if (ui->statusMessage->text() == tr("Unable to connect with application service"))
        ui->statusMessage->clear();
}

void ActivationPending::verifyActivationError(ResponseType code)
{
    int showForMs = 0;
    if (code == AdminApprovalPending) {
        ui->statusMessage->setText(tr("Admin approval pending"));
        showForMs = approvalPendingMs;
    } else if (code == VerificationRequestFailed) {
        ui->statusMessage->setText(tr("Verification Request Failed"));
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
