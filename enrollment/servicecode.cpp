#include "enrollment/servicecode.h"

#include "app/assistiveroles.h"
#include "app/brandprofile.h"
#include "app/screenlook.h"
#include "app/theme.h"
#include "enrollment/qrcodegenerator.h"
#include "enrollment/qrcodescreen.h"
#include "ui_servicecode.h"

namespace {
constexpr int serviceIdPage = 0;
constexpr int qrPage = 1;

bool asksForServiceId()
{
    return brand().displayName == QLatin1String("Lumidor");
}
} // namespace

ServiceCode::ServiceCode(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ServiceCode>()), qrScreen(new QRCodeScreen)
{
    ui->setupUi(this);
    ui->stackedWidget->addWidget(qrScreen);
    AssistiveRoles::markArrangement(ui->stackedWidget);

    setStyleSheet(QStringLiteral("background-color: #FFF; color: #000; font: 14px \"Ubuntu\";"));
    ScreenLook::lightenPlaceholders(this);
    applyThemeColors(ui->titleBar, StyleTemplate::titleBar);
    applyThemeColors(ui->submitButton, StyleTemplate::largeButton);
    ui->titleBar->setText(brand().displayName);
    ui->serviceCodeInput->setMaxLength(maxInputLength);
    ScreenLook::focusOnShow(ui->serviceCode, ui->serviceCodeInput);

    connect(ui->submitButton, &QPushButton::clicked, this, &ServiceCode::submitClicked);
    connect(ui->serviceCodeInput, &QLineEdit::returnPressed, this, &ServiceCode::submitClicked);
    connect(ui->serviceCodeInput, &QLineEdit::textEdited, ui->serviceCodeStatus, &QLabel::clear);
    connect(qrScreen, &QRCodeScreen::backButtonClicked, this, &ServiceCode::switchToServiceCodeScreen);
    connect(this, &ServiceCode::showQR, qrScreen, &QRCodeScreen::showQRCode);
    connect(qrScreen, &QRCodeScreen::startSpinner, this, &ServiceCode::startSpinner);
    connect(qrScreen, &QRCodeScreen::stopSpinner, this, &ServiceCode::stopSpinner);
}

ServiceCode::~ServiceCode() = default;

AnswerClaim ServiceCode::takeActivationAnswer()
{
    return qrScreen->takeActivationAnswer();
}

void ServiceCode::showQRCode(QString code)
{
    qrCode = code;
    if (serviceIdKnown())
        emit showQR({qrCode, serviceId});
}

void ServiceCode::qrScreenSwitched()
{
    if (asksForServiceId())
        return;
    showPage(qrPage);
    qrScreen->requestQRCode();
}

void ServiceCode::activateQR(QString code)
{
    qrCode = code;
    // A code the QR page could not draw was never offered to the user, so it is not activated behind their back;
    // after a refusal the user decides when to try again.
    if (!serviceIdKnown() || qrScreen->isRefused() ||
        !QrCodeGenerator().canEncode(qrCode, qrcodegen::QrCode::Ecc::MEDIUM))
        return;
    qrScreen->sendActivation({qrCode, serviceId});
}

void ServiceCode::agentConnectedNotification()
{
    // The wait over the code area stood for the drop; asking for a new code starts the usual one.
    if (waitingOverCode) {
        waitingOverCode = false;
        setEnabled(true);
        emit stopSpinner();
    }
    qrScreen->clearAgentUnavailable();
    if (serviceIdKnown())
        qrScreen->requestQRCode();
}

void ServiceCode::agentDisconnectedNotification()
{
    qrScreen->showAgentUnavailable();
    // Behind another screen there is nothing to cover, and the window has one spinner: taking it here would leave
    // the screen in front without its own wait once the link is back.
    if (!isFrontScreen(this))
        return;
    if (ui->stackedWidget->currentIndex() != qrPage) {
        emit startSpinner(this, true);
        return;
    }
    // Centred on the whole screen the wait would cover the instructions; it turns where the code was, under the text
    // that says why the code is gone. A wait for the code asked for earlier on this screen gives way to it; another
    // screen's wait is left alone while this one is not showing.
    setEnabled(false);
    waitingOverCode = true;
    emit stopSpinner();
    emit startSpinner(qrScreen->codeArea(), false);
}

void ServiceCode::switchToServiceCodeScreen()
{
    showPage(asksForServiceId() ? serviceIdPage : qrPage);
}

void ServiceCode::clearServiceIDScreen()
{
    ui->serviceCodeInput->clear();
    ui->serviceCodeStatus->clear();
}

void ServiceCode::showNotice(const QString& text)
{
    if (ui->stackedWidget->currentIndex() == qrPage)
        qrScreen->showNotice(text);
    else
        ui->serviceCodeStatus->setText(text);
}

void ServiceCode::showRefusal(const QString& reason)
{
    showPage(qrPage);
    qrScreen->showRefusal(reason);
}

void ServiceCode::submitClicked()
{
    const QString typed = ui->serviceCodeInput->text().trimmed();
    if (typed.isEmpty()) {
        ui->serviceCodeStatus->setText(tr("Please enter the account service ID."));
        ui->serviceCodeInput->setFocus();
        return;
    }
    ui->serviceCodeStatus->clear();
    serviceId = typed;
    showPage(qrPage);
    qrScreen->clearRefusal();
    qrScreen->requestQRCode();
}

void ServiceCode::switchToQRScreen()
{
    showPage(qrPage);
}

bool ServiceCode::serviceIdKnown() const
{
    return !asksForServiceId() || !serviceId.isEmpty();
}

void ServiceCode::showPage(int index)
{
    if (ui->stackedWidget->currentIndex() != index)
        ui->stackedWidget->setCurrentIndex(index);
}
