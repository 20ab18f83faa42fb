#include "enrollment/qrcodescreen.h"

#include "agent/vexaintf.h"
#include "app/assistiveroles.h"
#include "app/brandprofile.h"
#include "app/screenlook.h"
#include "app/theme.h"
#include "enrollment/firstrunwords.h"
#include "enrollment/qrcodegenerator.h"
#include "ui_qrcodescreen.h"

namespace {

// The activation request that goes with a code shown on this screen.
ActivationReq activationRequest(const QRActivationReq& code)
{
    ActivationReq request;
    request.actType = brand().activationType;
    request.qrCode = code.qrCode;
    request.serviceId = code.serviceId;
    request.otp = 0;
    return request;
}

} // namespace

QRCodeScreen::QRCodeScreen(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::QRCodeScreen>()),
      activationAnswer(new AwaitedAnswer(QStringLiteral("QR activation"), this)),
      codeWait(new AnswerWait(QStringLiteral("QR code"), this))
{
    ui->setupUi(this);

    setStyleSheet(QStringLiteral("background-color: #FFF; color: #000; font: 14px \"Ubuntu\";"));
    applyThemeColors(ui->titleBar, StyleTemplate::titleBar);
    applyThemeColors(ui->cancelButton, StyleTemplate::qrScreenButton, ThemeColors::darkColors());
    ui->titleLabel->setText(brand().displayName);

    // Only the brand that asks for a service ID first has a page to go back to.
    if (brand().displayName != QLatin1String("Lumidor")) {
        ui->backButton->hide();
        ui->backButton->setEnabled(false);
        ui->titleSpacer->changeSize(0, 0);
        ui->horizontalLayout_3->invalidate();
    }
    ui->cancelButton->setEnabled(false);
    ui->cancelButton->hide();

    connect(ui->backButton, &QPushButton::clicked, this, &QRCodeScreen::backButtonClicked);
    ScreenLook::escapeGoesBack(this, ui->backButton);
    connect(ui->regenerateQRButton, &QPushButton::clicked, this, &QRCodeScreen::regenerateQRCode);
    connect(this, &QRCodeScreen::generateQR, vexaintf::instance(), &vexaintf::generateQR);
    connect(this, &QRCodeScreen::activate, vexaintf::instance(), &vexaintf::activate);
    connect(activationAnswer, &AwaitedAnswer::expired, this, &QRCodeScreen::answerMissed);
    connect(codeWait, &AnswerWait::expired, this, &QRCodeScreen::codeMissed);
    ui->qr->installEventFilter(this);
    // Regenerate is the only control, so the keyboard lands on it: the screen's purpose and its code are told as the
    // section around it, which a screen reader reads on the way in.
    ui->pageWidget->setAccessibleName(tr("Activation by QR code"));
    AssistiveRoles::markSection(ui->pageWidget);
    // A screen reader reads the texts of the section, and would pass over the code as a picture.
    AssistiveRoles::markTextual(ui->qr);
    describeCodeArea();
}

QRCodeScreen::~QRCodeScreen() = default;

void QRCodeScreen::requestQRCode()
{
    if (refused)
        return;
    awaitCode();
    emit generateQR(false);
}

// The code shown so far has been used or is being replaced: scanned again it would only be refused, so it goes. The
// wait turns where the code will be, clear of the instructions.
void QRCodeScreen::awaitCode()
{
    awaitingCode = true;
    ui->qr->clear();
    shownCode.clear();
    describeCodeArea();
    dropSilenceNotice(ui->statusMessage);
    codeWait->start();
    emit startSpinner(codeArea(), true);
}

// The spinner would turn until the agent's next message, which may never come. A code that still comes is drawn.
void QRCodeScreen::codeMissed()
{
    if (isFrontScreen(this))
        emit stopSpinner();
    // The line under the code already says to try again, and Regenerate is right there.
    ui->qr->setText(tr("No QR code has come yet."));
    describeCodeArea();
    ui->statusMessage->setText(FirstRunWords::serviceSilent());
}

// A spinner over the code area disables it; Regenerate goes with it, since a second code asked for meanwhile would
// make the first one's activation fail as replaced.
bool QRCodeScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->qr && event->type() == QEvent::EnabledChange)
        ui->regenerateQRButton->setEnabled(ui->qr->isEnabled());
    return QWidget::eventFilter(watched, event);
}

// A user who left the screen waits for no code here: the deadline would later speak to a screen nobody sees, and
// the window's one spinner would stay taken by a hidden code area. A window sent to the tray or minimised has not
// been left: only a page hidden inside it is. The stack hides the page before it names the next one current.
void QRCodeScreen::hideEvent(QHideEvent* event)
{
    if (!isVisibleTo(window()) && codeWait->finish(AnswerWait::Ending::Left))
        emit stopSpinner();
    QWidget::hideEvent(event);
}

void QRCodeScreen::showRefusal(const QString& reason)
{
    // A code asked for before the refusal came is not wanted any more either.
    refused = true;
    awaitingCode = false;
    codeWait->finish();
    refusalReason = reason;
    ui->statusMessage->setText(reason);
}

void QRCodeScreen::clearRefusal()
{
    refused = false;
    refusalReason.clear();
    ui->statusMessage->clear();
}

void QRCodeScreen::showNotice(const QString& text)
{
    ui->statusMessage->setText(text);
}

void QRCodeScreen::showAgentUnavailable()
{
    activationAnswer->abandon();
    codeWait->finish(AnswerWait::Ending::LinkLost);
    ui->statusMessage->setText(FirstRunWords::serviceUnreachable());
    // A scan now would reach nobody, and the code may be gone when the agent is back: it is not left up to be
    // scanned. The code asked for on reconnection is drawn even if the agent hands out the same one.
    ui->qr->clear();
    ui->qr->setText(FirstRunWords::codeUnavailable());
    // At the top, clear of the wait spinner turning in the middle of the area.
    ui->qr->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    shownCode.clear();
    describeCodeArea();
}

void QRCodeScreen::clearAgentUnavailable()
{
    if (ui->statusMessage->text() == FirstRunWords::serviceUnreachable())
        ui->statusMessage->setText(refusalReason);
    if (ui->qr->pixmap(Qt::ReturnByValue).isNull())
        ui->qr->clear();
    ui->qr->setAlignment(Qt::AlignCenter);
    describeCodeArea();
}

// A screen reader is told what the code area holds now: a code to scan, the reason there is none, or the wait. The
// name says it in full: read with the section around it, a text of a word or two is passed over.
void QRCodeScreen::describeCodeArea()
{
    QString name = tr("Waiting for a new code");
    QString description;
    if (!ui->qr->pixmap(Qt::ReturnByValue).isNull()) {
        name = tr("QR code ready to scan");
        description = tr("Scan this code with your phone to activate this device");
    } else if (!ui->qr->text().isEmpty()) {
        name = ui->qr->text();
    }
    if (ui->qr->accessibleName() != name)
        ui->qr->setAccessibleName(name);
    if (ui->qr->accessibleDescription() != description)
        ui->qr->setAccessibleDescription(description);
}

QWidget* QRCodeScreen::codeArea() const
{
    return ui->qr;
}

void QRCodeScreen::sendActivation(const QRActivationReq& code)
{
    dropSilenceNotice(ui->statusMessage);
    emit activate(activationRequest(code));
    activationAnswer->start();
}

AnswerClaim QRCodeScreen::takeActivationAnswer()
{
    const AnswerClaim claim = activationAnswer->arrive(this);
    if (claim == AnswerClaim::Wanted)
        dropSilenceNotice(ui->statusMessage);
    return claim;
}

// The code stays up to be scanned, and no spinner stood for this wait: the text is all there is to end. Trying again
// is the user's choice, with a new code.
void QRCodeScreen::answerMissed()
{
    ui->statusMessage->setText(FirstRunWords::serviceSilent());
}

void QRCodeScreen::regenerateQRCode()
{
    clearRefusal();
    awaitCode();
    emit generateQR(true);
}

void QRCodeScreen::showQRCode(QRActivationReq code)
{
    // Only a code this screen asked for, or one it has not shown yet, is drawn and activated: an agent that repeats
    // its code in other messages, or hands one out after a refusal, must not set off an activation each time.
    const bool askedFor = awaitingCode;
    if (!askedFor && (refused || code.qrCode == shownCode))
        return;
    awaitingCode = false;
    codeWait->finish();
    dropSilenceNotice(ui->statusMessage);
    const QImage image = QrCodeGenerator().toImage(code.qrCode, qrImageSize, qrBorder, qrcodegen::QrCode::Ecc::MEDIUM,
                                                   ui->qr->devicePixelRatioF());
    if (image.isNull()) {
        // The previous code must not stay up: the user would scan a code that no longer belongs to this request.
        // Without a picture there is nothing for the agent to wait on either, so no activation is sent.
        ui->qr->clear();
        ui->qr->setText(tr("The QR code could not be displayed. Select 'Regenerate QR' to try again."));
        describeCodeArea();
        return;
    }
    ui->qr->setPixmap(QPixmap::fromImage(image));
    describeCodeArea();
    shownCode = code.qrCode;
    sendActivation(code);
}
