#include "mainwindow/mainwindow.h"

#include "agent/messageparser.h"
#include "agent/vexaintf.h"
#include "app/brandprofile.h"
#include "app/modaldialog.h"
#include "app/namedtimer.h"
#include "app/systemrestart.h"
#include "app/theme.h"
#include "app/waitingspinnerwidget.h"
#include "app/weblink.h"
#include "enrollment/activate.h"
#include "enrollment/activationpending.h"
#include "enrollment/authemail.h"
#include "enrollment/servicecode.h"
#include "settings/settings.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QIcon>
#include <QMessageBox>

namespace {

const QString toggleStateTemplate = QStringLiteral(
    "QSlider {padding: 10px;} QSlider::groove:horizontal { background-color: __bgColor__; border: 1px solid "
    "#5c5c5c; height: 12px; width: 36px; padding: 8px; border-radius: 15px;} QSlider::handle:horizontal { "
    "background-color: __sliderColor__; border: 1px solid #5c5c5c; width: 31px; height: 36px; margin: -10px; "
    "border-radius: 15px; }");
const QString togglePressedTemplate = QStringLiteral(
    "QSlider {padding: 10px;} QSlider::groove:horizontal { background-color: __bgColor__; border: 1px solid "
    "#5c5c5c; height: 12px; width: 36px; padding: 8px; border-radius: 15px;} QSlider::handle:horizontal { "
    "background-color: white; border: 1px solid #5c5c5c; width: 31px; height: 36px; margin: -10px; "
    "border-radius: 15px; }");

constexpr int secconnConnecting = 1;
constexpr int secconnConnected = 2;
constexpr int secconnDisconnecting = 3;
constexpr int secconnNotConnected = 4;
constexpr int secconnAlreadyInNetwork = 5;

constexpr int qrRetryDelayMs = 5000;
constexpr int approvalRecheckDelayMs = 300000;
constexpr int rebootPromptResetMs = 500;

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), trayIcon(new QSystemTrayIcon(this)), ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);

    settingsScreen = new Settings;
    activateScreen = new Activate;
    serviceCodeScreen = new ServiceCode;
    authEmailScreen = new AuthEmail;
    pendingScreen = new ActivationPending;

    loadingTime = QTime(0, 0);

    setStyleSheet(QStringLiteral("background-color: #FFF; color: #000; font: 14px \"Ubuntu\";"));
    applyThemeColors(ui->titleBar, StyleTemplate::titleBar);
    ui->titleBar->setText(brand().displayName);

    ui->staticIcon->setFixedSize(brand().homeImageSize);
    ui->staticIcon->setPixmap(
        QPixmap(brand().connectImagePath).scaled(brand().homeImageSize, Qt::KeepAspectRatio, Qt::FastTransformation));

    ui->screenStack->insertWidget(ActivatePage, activateScreen);
    ui->screenStack->insertWidget(ServiceCodePage, serviceCodeScreen);
    ui->screenStack->insertWidget(PendingPage, pendingScreen);
    ui->screenStack->insertWidget(SettingsPage, settingsScreen);
    ui->screenStack->insertWidget(EmailPage, authEmailScreen);

    vexaintf* agent = vexaintf::instance();

    connect(activateScreen, &Activate::startSpinner, this, &MainWindow::startSpinner);
    connect(authEmailScreen, &AuthEmail::startSpinner, this, &MainWindow::startSpinner);
    connect(settingsScreen, &Settings::startSpinner, this, &MainWindow::startSpinner);
    connect(serviceCodeScreen, &ServiceCode::startSpinner, this, &MainWindow::startSpinner);
    connect(authEmailScreen, &AuthEmail::stopSpinner, this, &MainWindow::stopSpinner);
    connect(settingsScreen, &Settings::stopSpinner, this, &MainWindow::stopSpinner);

    trayIcon->setIcon(QIcon(brand().logoIconPath));
    trayIcon->setToolTip(brand().displayName);
    trayIcon->setVisible(true);

    connect(trayIcon, &QSystemTrayIcon::activated, this, &MainWindow::trayActivated);

    ui->toggleButton->setRange(0, 1);
    ui->toggleButton->setTickInterval(1);

    connect(ui->toggleButton, &QSlider::valueChanged, this, &MainWindow::toggleSwitch);
    connect(ui->toggleButton, &QSlider::sliderPressed, this, &MainWindow::sliderPressed);
    connect(ui->toggleButton, &QSlider::actionTriggered, this, &MainWindow::actionTriggered);
    connect(ui->settingsNavButton, &QPushButton::clicked, this, &MainWindow::openSettings);
    connect(ui->settingsButton, &QPushButton::clicked, this, &MainWindow::openSettings);
    connect(ui->settingsIcon, &QPushButton::clicked, this, &MainWindow::openSettings);
    connect(this, &MainWindow::changeNotificationsIcon, settingsScreen, &Settings::changeNotificationsIcon);
    connect(settingsScreen, &Settings::goHome, this, &MainWindow::goHome);
    connect(authEmailScreen, &AuthEmail::goHome, this, &MainWindow::goHome);
    connect(pendingScreen, &ActivationPending::goHome, this, &MainWindow::goHome);
    connect(pendingScreen, &ActivationPending::goSettings, this, &MainWindow::openSettings);
    connect(settingsScreen, &Settings::goAuth, this, &MainWindow::goAuthSignIn);
    connect(this, &MainWindow::signInReq, authEmailScreen, &AuthEmail::signInReq);
    connect(settingsScreen, &Settings::goAuthAD, this, &MainWindow::goAuthAD);
    connect(this, &MainWindow::authADReq, authEmailScreen, &AuthEmail::authADReq);
    connect(settingsScreen, &Settings::signOut, this, &MainWindow::signOut);
    connect(this, &MainWindow::userDeregistration, agent, &vexaintf::userDeregistration);
    connect(settingsScreen, &Settings::Deactivate, agent, &vexaintf::deactivate);
    connect(settingsScreen, &Settings::goActivate, this, &MainWindow::setActivationScreen);
    connect(this, &MainWindow::activationError, activateScreen, &Activate::activationError);
    connect(this, &MainWindow::clearActivationScreen, activateScreen, &Activate::clearActivationScreen);
    connect(this, &MainWindow::verifyActivationError, pendingScreen, &ActivationPending::verifyActivationError);
    connect(agent, &vexaintf::sendVexaEvent, this, &MainWindow::processVexaEvent);
    connect(agent, &vexaintf::agentDisconnected, this, &MainWindow::handleAgentDisconnection);
    connect(agent, &vexaintf::agentConnected, this, &MainWindow::handleAgentConnection);
    connect(this, &MainWindow::secconnChangeToggleState, agent, &vexaintf::togglesecurechannelstatus);
    connect(this, &MainWindow::rebootCancelled, agent, &vexaintf::rebootCancelled);
    connect(this, &MainWindow::userAuthResponse, authEmailScreen, &AuthEmail::processUserAuthResponse);
    connect(this, &MainWindow::feedbackResponse, settingsScreen, &Settings::processFeedbackResponse);
    connect(this, &MainWindow::listPags, settingsScreen, &Settings::processPagsResponse);
    connect(this, &MainWindow::listViolations, settingsScreen, &Settings::processViolationListResponse);
    connect(this, &MainWindow::listPeers, settingsScreen, &Settings::processPeerListResponse);
    connect(&loadingTimer, &QTimer::timeout, this, &MainWindow::updateLoadingTime);
    connect(trayIcon, &QSystemTrayIcon::messageClicked, this, &MainWindow::sysTrayMessageClicked);
    connect(this, &MainWindow::showQRCode, serviceCodeScreen, &ServiceCode::showQRCode);
    connect(this, &MainWindow::qrScreenSwitched, serviceCodeScreen, &ServiceCode::qrScreenSwitched);
    connect(this, &MainWindow::activate, agent, &vexaintf::activate);
    connect(this, &MainWindow::activateQR, serviceCodeScreen, &ServiceCode::activateQR);
    connect(activateScreen, &Activate::sendtoOtpScreen, authEmailScreen, &AuthEmail::sendToOtpScreen);
    connect(authEmailScreen, &AuthEmail::goActivation, this, &MainWindow::setActivationScreen);
    connect(authEmailScreen, &AuthEmail::switchToEmailScreen, this, &MainWindow::goToEmailScreen);
    connect(authEmailScreen, &AuthEmail::sendMessageToActivate, activateScreen, &Activate::userAuthMessages);

    if (!agent->isConnected()) {
        ui->toggleSwitchWidget->setEnabled(false);
        ui->statusText->setText(tr("Unable to connect with application service"));
        tellScreensAgentUnavailable();
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::activateQRThroughCode()
{
    emit activateQR(pendingServiceCode);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        hide();
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}

// ---- navigation

int MainWindow::currentPage() const
{
    return ui->screenStack->currentIndex();
}

void MainWindow::showPage(int page)
{
    if (currentPage() != page)
        ui->screenStack->setCurrentIndex(page);
}

void MainWindow::openSettings()
{
    showPage(SettingsPage);
}

void MainWindow::goHome()
{
    showPage(pendingApproval ? PendingPage : HomePage);
}

void MainWindow::goAuth()
{
    signInRequested = true;
    showPage(EmailPage);
}

void MainWindow::goAuthSignIn()
{
    signInRequested = true;
    authEmailScreen->clearEmailScreen();
    emit signInReq();
    showPage(EmailPage);
}

void MainWindow::goAuthAD()
{
    emit authADReq();
}

void MainWindow::goToEmailScreen()
{
    showPage(EmailPage);
}

void MainWindow::signOut()
{
    emit userDeregistration();
}

void MainWindow::setActivationScreen()
{
    int page = ActivatePage;
    if (brand().isServiceIdEdition()) {
        emit qrScreenSwitched();
        page = ServiceCodePage;
    } else {
        activateScreen->clearActivationScreen();
    }
    showPage(page);
}

void MainWindow::setActivatedScreen()
{
    if (currentPage() == HomePage)
        return;
    if (currentPage() != SettingsPage)
        goHome();
}

void MainWindow::updateScreenForAgentState(AgentInfo& info, bool markActivated)
{
    if (markActivated) {
        info.activationState = 1;
    } else if (info.activationState == 0) {
        if (!(brand().usesEmailEnrollment() && currentPage() == EmailPage))
            setActivationScreen();
        screensReset = false;
        return;
    }

    if (!brand().isServiceIdEdition() && info.activationState == 1 && info.email.isEmpty() && info.secconn.enabled &&
        info.userIdMethod == 1 && currentPage() != EmailPage) {
        emit clearActivationScreen();
        goAuthSignIn();
        return;
    }

    if (info.activationState == 2) {
        pendingApproval = true;
        showPage(PendingPage);
        return;
    }

    if (info.activationState == 1) {
        const int activationPage = brand().isServiceIdEdition() ? ServiceCodePage : ActivatePage;
        if (currentPage() == activationPage || currentPage() == PendingPage) {
            pendingApproval = false;
            showPage(HomePage);
        } else if (currentPage() == EmailPage && !info.email.isEmpty()) {
            showPage(pendingApproval ? PendingPage : HomePage);
        }
        if (!screensReset) {
            activateScreen->clearActivationScreen();
            serviceCodeScreen->switchToServiceCodeScreen();
            serviceCodeScreen->clearServiceIDScreen();
            screensReset = true;
        }
    }
}

// ---- agent link up and down

void MainWindow::tellScreensAgentUnavailable()
{
    pendingScreen->showAgentUnavailable();
    settingsScreen->hideAgentRows();
    activateScreen->showAgentUnavailable();
    authEmailScreen->showAgentUnavailable();
    serviceCodeScreen->agentDisconnectedNotification();
}

void MainWindow::handleAgentDisconnection()
{
    ui->toggleSwitchWidget->setEnabled(false);
    ui->statusText->setText(tr("Unable to connect with application service"));
    tellScreensAgentUnavailable();
}

void MainWindow::handleAgentConnection()
{
    if (currentAgentInfo && currentAgentInfo->secconn.enabled && !currentAgentInfo->secconn.userControlDisabled)
        ui->toggleSwitchWidget->setEnabled(true);
    agentConnectedNotification();
    if (qrRetryHeld) {
        qrRetryHeld = false;
        retryHeldCodeLater();
    }
    pendingScreen->requestActivationStatus();
    pendingScreen->clearAgentUnavailable();
    settingsScreen->showAgentRows();
    activateScreen->clearAgentUnavailable();
    authEmailScreen->clearAgentUnavailable();
    serviceCodeScreen->agentConnectedNotification();
}

void MainWindow::agentConnectedNotification()
{
    if (ui->statusText->text() == tr("Unable to connect with application service"))
        ui->statusText->clear();
}

void MainWindow::agentDisconnectedNotification()
{
    ui->statusText->setText(tr("Unable to connect with application service"));
}

// ---- busy spinner

void MainWindow::startSpinner(QWidget* parent, bool disableParent)
{
    if (spinner)
        return;
    spinner = new WaitingSpinnerWidget(parent, true, disableParent);
    spinner->setColor(QColor(brand().primaryColor));
    spinner->setBackgroundColor(QColor(QStringLiteral("#BBFFFFFF")));
    spinner->start();
}

void MainWindow::stopSpinner()
{
    if (!spinner)
        return;
    spinner->stop();
    spinner->hide();
    // Nothing refers to a stopped spinner; the next wait gets a new one.
    spinner->deleteLater();
    spinner = nullptr;
}

// ---- agent messages

AgentInfo MainWindow::parseVexaEvent(QJsonObject message)
{
    return parseAgentInfo(message);
}

void MainWindow::processVexaEvent(QJsonObject message)
{
    stopSpinner();
    const int messageType = message.value(QLatin1String("type")).toInt();
    AgentInfo info = parseVexaEvent(message);
    const Response response = parseResponse(message);
    if (!response.qrCode.isEmpty() && brand().isServiceIdEdition()) {
        pendingServiceCode = response.qrCode;
        emit showQRCode(response.qrCode);
    }
    applySnapshot(info);
    dispatchResponse(messageType, response, info);
}

void MainWindow::applySnapshot(AgentInfo& info)
{
    const AgentInfo* previous = currentAgentInfo ? &*currentAgentInfo : nullptr;

    // Before the activation page comes back, so that it tells the user and does not simply start over.
    if (previous && previous->activationState == 2 && info.activationState == 0)
        tellApprovalDenied();

    if (!previous || info.dataAvailable != previous->dataAvailable) {
        if (info.dataAvailable) {
            waitingForData = false;
            loadingTimer.stop();
            ui->statusText->clear();
            updateScreenForAgentState(info, false);
        } else {
            waitingForData = true;
            if (info.activationState != 1)
                updateScreenForAgentState(info, false);
            info.secconn = SecconnInfo();
            loadingTimer.start(1000);
        }
    }

    if (info.activationState != 1 && brand().displayName == QLatin1String("Lumidor"))
        updateScreenForAgentState(info, false);

    if (previous && info.activationState != previous->activationState)
        updateScreenForAgentState(info, false);

    if (!previous || info.entName != previous->entName) {
        ui->enterpriseName->setText(info.entName);
        authEmailScreen->setCompanyName(info.entName);
    }

    const bool sameSignedInUser = previous && !info.email.isEmpty() && info.email == previous->email;
    if (!sameSignedInUser) {
        const bool mustSignIn = !brand().isServiceIdEdition() && info.activationState == 1 && info.email.isEmpty() &&
                                info.secconn.enabled && info.userIdMethod == 1;
        if (mustSignIn && currentPage() != EmailPage) {
            const bool alreadyAsked = signInRequested && (!previous || previous->email == info.email);
            if (!alreadyAsked) {
                signInRequested = true;
                authEmailScreen->clearEmailScreen();
                emit signInReq();
                showPage(EmailPage);
            }
        } else if (!info.email.isEmpty() && currentPage() != HomePage && currentPage() != SettingsPage) {
            goHome();
        }
    }

    if (!previous || info.adAuthState != previous->adAuthState) {
        switch (info.adAuthState) {
        case 0:
            break;
        case 1:
            ui->statusText->setText(tr("User authentication is in progress"));
            break;
        case 2:
            showStatusMessage(tr("User authentication failed"), 5);
            break;
        case 3:
            showStatusMessage(tr("User authentication successful"), 4);
            break;
        default:
            ui->statusText->clear();
            break;
        }
    }

    if (!previous || info.notifyViolation != previous->notifyViolation) {
        ui->settingsIcon->setIcon(QIcon(info.notifyViolation ? QStringLiteral(":/images/settingsNotification.png")
                                                             : QStringLiteral(":/images/settings.png")));
        emit changeNotificationsIcon(info.notifyViolation);
    }

    settingsScreen->updateInfo(info, previous);

    QString connectionText;
    int togglePosition = 0;
    if (info.secconn.enabled) {
        if (ui->toggleSwitchWidget->isHidden())
            ui->toggleSwitchWidget->show();
        ui->toggleSwitchWidget->setEnabled(!info.secconn.userControlDisabled);
        switch (info.secconn.status) {
        case secconnConnecting:
            connectionText = tr("You're connecting...");
            togglePosition = 1;
            break;
        case secconnConnected:
            connectionText = tr("You're connected!");
            togglePosition = 1;
            break;
        case secconnDisconnecting:
            connectionText = tr("You're disconnecting...");
            togglePosition = 1;
            break;
        case secconnAlreadyInNetwork:
            connectionText = tr("You're already in the network");
            togglePosition = 1;
            break;
        default:
            connectionText = tr("You're not connected");
            break;
        }
        if (!previous)
            ui->statusText->clear();
        if (!previous || info.secconn.state != previous->secconn.state) {
            QString phase;
            switch (info.secconn.state) {
            case 1:
                phase = tr("Discovery In Progress");
                break;
            case 2:
                phase = tr("Fetching Preferred Access Gateway Information");
                break;
            case 3:
                phase = tr("Checking Preferred Access Gateway Reachability");
                break;
            case 4:
                phase = tr("Fetching Profile");
                break;
            case 5:
                phase = tr("You're Already in the Network");
                break;
            case 6:
                phase = tr("Creating Session");
                break;
            case 7:
                phase = tr("Session Timeout");
                break;
            case 8:
                phase = tr("You're Connected!");
                break;
            default:
                break;
            }
            if (!phase.isEmpty())
                showStatusMessage(phase, 5);
        }
    } else {
        ui->toggleSwitchWidget->hide();
        QString subscription;
        if (!waitingForData && info.edrEnabled)
            subscription = info.agentIsolated ? tr("Your Device Has Been Isolated") : tr("You're Subscribed");
        ui->connStatus->setText(subscription);
    }

    if (!currentAgentInfo)
        currentAgentInfo.emplace();
    *currentAgentInfo = info;

    if (!connectionText.isEmpty()) {
        ui->connStatus->setText(connectionText);
        setToggleState(togglePosition);
    }
}

void MainWindow::dispatchResponse(int messageType, const Response& response, const AgentInfo& info)
{
    const int code = response.code;
    switch (messageType) {
    case 1:
        dispatchActivationResult(response, info);
        break;
    case 2:
        if (code == AdminApprovalPending || code == VerificationRequestFailed) {
            emit verifyActivationError(static_cast<ResponseType>(code));
            showPage(PendingPage);
        }
        break;
    case 3:
        settingsScreen->deactivationResult(response);
        break;
    case 4:
    case 6:
        emit userAuthResponse(response);
        if (code == Activated)
            setActivatedScreen();
        else if (code == AgentNotActivated)
            setActivationScreen();
        break;
    case 5:
        if (code == Success)
            goAuthSignIn();
        else if (code == SignOutFailed)
            settingsScreen->signOutFailed();
        break;
    case 7:
        emit feedbackResponse(response);
        break;
    case 8:
        if (code == BrowserLaunch && !response.browserLaunchUrl.isEmpty())
            openWebLinkFromAgent(response.browserLaunchUrl);
        break;
    case 9:
        if (code == PagListingFailed) {
            const QString failure = tr("Preferred Access Gateway listing failure");
            emit listPags(Response(), PAG(), failure);
            showStatusMessage(failure, 4);
        } else if (code == NotSubscribed) {
            showStatusMessage(tr("Not Subscribed for Secure Connection"), 4);
        } else {
            emit listPags(response, PAG{info.prefPagId, info.prefPagType}, QString());
        }
        break;
    case 10:
        if (code == PagPreferenceFailed)
            showStatusMessage(tr("Setting Preferred Access Gateway Failed"), 5);
        break;
    case 11:
        if (code == RebootRequired)
            rebootRequired();
        else if (code == NetAccessNotice)
            showNetworkAccessNotice(response);
        break;
    case 12:
        if (code == ViolationListFailed) {
            emit listViolations(Response(), QStringLiteral("Getting Violation list failed"));
        } else {
            ui->settingsIcon->setIcon(QIcon(QStringLiteral(":/images/settings.png")));
            emit changeNotificationsIcon(false);
            emit listViolations(response, QString());
        }
        break;
    case 14:
        if (code == PeerListingFailed)
            emit listPeers(Response(), QStringLiteral("Error with listing peer devices"));
        else
            emit listPeers(response, QString());
        break;
    default:
        break;
    }
}

void MainWindow::dispatchActivationResult(const Response& response, const AgentInfo& info)
{
    if (brand().usesEmailEnrollment())
        emit userAuthResponse(response);

    const auto code = static_cast<ResponseType>(response.code);
    switch (code) {
    case InvalidName:
    case ConnectivityFailure:
        if (!brand().isServiceIdEdition()) {
            refuseActivation(code);
            break;
        }
        // The service-ID edition retries these with the held code, as it does when asked to.
        [[fallthrough]];
    case ActivateQrThroughCode:
        retryHeldCodeLater();
        break;
    case ActivationAccepted: {
        AgentInfo activated = info;
        updateScreenForAgentState(activated, true);
        break;
    }
    case InvalidActivationCode:
    case ActivationCodeExpired:
    case AgentNotActivated:
    case DuplicateDeviceName:
    case ActivationNotAllowed:
    case MaxDevicesReached:
        refuseActivation(code);
        break;
    case AdminApprovalPending:
        startNamedSingleShot(this, approvalRecheckDelayMs, QStringLiteral("approvalRecheckTimer"),
                             [this] { pendingScreen->checkActivationStatusClicked(); });
        emit verifyActivationError(code);
        showPage(PendingPage);
        break;
    case VerificationRequestFailed:
        emit verifyActivationError(code);
        showPage(PendingPage);
        break;
    default:
        break;
    }
}

void MainWindow::refuseActivation(ResponseType code)
{
    if (!brand().isServiceIdEdition()) {
        emit activationError(code);
        setActivationScreen();
        return;
    }
    // A new code would be refused as fast as the agent answers, and the user would never learn why. The QR page
    // says why instead, and the user decides when to try again.
    cancelHeldCodeRetry();
    serviceCodeScreen->showRefusal(Activate::refusalText(code));
    showPage(ServiceCodePage);
}

void MainWindow::retryHeldCodeLater()
{
    // One retry at a time: each answer to an activation would otherwise start a chain of retries of its own.
    if (qrRetryTimer)
        return;
    qrRetryTimer =
        startNamedSingleShot(this, qrRetryDelayMs, QStringLiteral("qrRetryTimer"), [this] { retryHeldCode(); });
}

void MainWindow::retryHeldCode()
{
    qrRetryTimer = nullptr;
    // Enrolled or waiting for approval meanwhile: the held code has done its work.
    if (currentAgentInfo && currentAgentInfo->activationState != 0)
        return;
    // Written to a dropped link the retry would vanish; it waits for the link instead.
    if (!vexaintf::instance()->isConnected()) {
        qrRetryHeld = true;
        return;
    }
    activateQRThroughCode();
}

void MainWindow::cancelHeldCodeRetry()
{
    delete qrRetryTimer;
    qrRetryHeld = false;
}

void MainWindow::tellApprovalDenied()
{
    pendingApproval = false;
    const QString text = tr("Your administrator did not approve the activation of this device.");
    if (brand().isServiceIdEdition()) {
        cancelHeldCodeRetry();
        serviceCodeScreen->showRefusal(text);
    } else {
        activateScreen->showNotice(text);
    }
}

void MainWindow::showNetworkAccessNotice(const Response& response)
{
    QString notice;
    switch (response.netAccessType) {
    case 1:
        notice = response.blockedSubnets.isEmpty()
                     ? tr("Internet Access is blocked.")
                     : tr("Access to the network address ") + response.blockedSubnets + tr(" has been blocked.");
        break;
    case 2: {
        if (response.blockTime < 0)
            return;
        const QString time = QDateTime::fromSecsSinceEpoch(static_cast<quint32>(response.blockTime))
                                 .toLocalTime()
                                 .toString(QStringLiteral("h:m:s ap"));
        notice = response.blockedSubnets.isEmpty() ? tr("Internet Access will be blocked at ") + time + tr(".")
                                                   : tr("Access to network address ") + response.blockedSubnets +
                                                         tr(" will be blocked at ") + time + tr(".");
        break;
    }
    case 3:
        notice = tr("Internet Access enabled");
        showTrayMessage(notice, 3);
        showStatusMessage(notice, 3);
        return;
    default:
        return;
    }
    showTrayMessage(notice + tr(" Open ") + brand().displayName + tr(" to see the compliance details."), 5);
    showStatusMessage(notice + tr(" Check the notification page to see the compliance details"),
                      response.netAccessType == 1 ? 8 : 5);
}

// ---- toggle and status line

void MainWindow::applyToggleStyle(const QString& styleTemplate, const QString& background, const QString& knob)
{
    // Snapshots arrive many times a second with the same state; re-polishing an identical style is pure waste.
    const QString style =
        fillThemeColors(styleTemplate, {brand().primaryColor, brand().secondaryColor, background, knob});
    if (ui->toggleButton->styleSheet() != style)
        ui->toggleButton->setStyleSheet(style);
}

void MainWindow::setToggleState(int position)
{
    ui->toggleButton->setSliderPosition(position);
    if (position == 1) {
        const bool locked = currentAgentInfo && currentAgentInfo->secconn.userControlDisabled;
        applyToggleStyle(toggleStateTemplate, brand().primaryColor,
                         locked ? brand().secondaryColor : QStringLiteral("#FFF"));
    } else if (position == 0) {
        applyToggleStyle(toggleStateTemplate, brand().secondaryColor, QStringLiteral("#FFF"));
    }
}

void MainWindow::toggleSwitch(int value)
{
    const int position = ui->toggleButton->sliderPosition();
    if (currentAgentInfo && currentAgentInfo->secconn.status == secconnConnected && position == 0) {
        ui->toggleButton->setSliderPosition(1);
        ui->connStatus->setText(tr("You're disconnecting..."));
        return;
    }
    if (currentAgentInfo && currentAgentInfo->secconn.status == secconnNotConnected && position == 1) {
        if (currentAgentInfo->email.isEmpty() && currentAgentInfo->userIdMethod == 1)
            goAuthSignIn();
        ui->toggleButton->setSliderPosition(0);
        ui->connStatus->setText(tr("You're connecting..."));
        return;
    }
    setToggleState(value);
}

void MainWindow::sliderPressed()
{
    if (!vexaintf::instance()->isConnected()) {
        ui->statusText->setText(tr("Unable to connect with application service"));
        return;
    }
    agentConnectedNotification();
    const int position = ui->toggleButton->sliderPosition();
    if (position == 1) {
        if (currentAgentInfo && currentAgentInfo->secconn.status == secconnConnected) {
            ui->connStatus->setText(tr("You're disconnecting..."));
            applyToggleStyle(togglePressedTemplate, brand().primaryColor, QString());
        } else {
            toggleSwitch(0);
        }
        emit secconnChangeToggleState(false);
    } else if (position == 0) {
        if (currentAgentInfo && currentAgentInfo->secconn.status == secconnNotConnected)
            ui->connStatus->setText(tr("You're connecting..."));
        else
            toggleSwitch(1);
        if (currentAgentInfo && currentAgentInfo->email.isEmpty() && currentAgentInfo->userIdMethod == 1)
            goAuthSignIn();
        emit secconnChangeToggleState(true);
    }
}

void MainWindow::actionTriggered(int action)
{
    const int position = ui->toggleButton->sliderPosition();
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepAdd:
    case QAbstractSlider::SliderPageStepSub:
        if (vexaintf::instance()->isConnected()) {
            agentConnectedNotification();
            emit secconnChangeToggleState(position != 0);
        } else {
            ui->statusText->setText(tr("Unable to connect with application service"));
        }
        break;
    default:
        break;
    }
}

void MainWindow::clearStatusText()
{
    ui->statusText->clear();
}

void MainWindow::showStatusMessage(const QString& text, int seconds)
{
    ui->statusText->setText(text);
    startNamedSingleShot(this, seconds * 1000, QStringLiteral("statusClearTimer"), [this] { clearStatusText(); });
}

void MainWindow::updateLoadingTime()
{
    loadingTime = loadingTime.addSecs(1);
    if (loadingTime.second() > 3)
        loadingTime = QTime(0, 0);
    static const char* const suffixes[] = {QT_TR_NOOP("   "), QT_TR_NOOP(".  "), QT_TR_NOOP(".. "), QT_TR_NOOP("...")};
    ui->statusText->setText(tr("Fetching Information") + tr(suffixes[loadingTime.second()]));
}

// ---- tray and restart prompt

void MainWindow::showTrayMessage(const QString& text, int seconds)
{
    trayIcon->showMessage(brand().displayName, text, QSystemTrayIcon::NoIcon, seconds * 1000);
}

void MainWindow::trayActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::Trigger)
        return;
    if (isVisible()) {
        hide();
    } else {
        show();
        activateWindow();
    }
}

void MainWindow::sysTrayMessageClicked()
{
    show();
    activateWindow();
}

void MainWindow::rebootRequired()
{
    show();
    const SystemRestart::Command restart = SystemRestart::command();
    if (rebootBox)
        return;
    rebootBox = new QMessageBox(this);
    rebootBox->setText(brand().displayName +
                       QStringLiteral(" requires a system restart. Click 'OK' to restart the system."));
    rebootBox->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    rebootBox->setDefaultButton(QMessageBox::Ok);
    rebootBox->setIcon(QMessageBox::Warning);
    rebootBox->setWindowIcon(QIcon(brand().logoIconPath));
    rebootBox->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    const int answer = ModalDialog::exec(*rebootBox);
    if (answer == QMessageBox::Ok) {
        SystemRestart::start(restart);
    } else if (answer == QMessageBox::Cancel) {
        emit rebootCancelled();
        startNamedSingleShot(this, rebootPromptResetMs, QStringLiteral("rebootPromptResetTimer"), [this] {
            if (rebootBox)
                rebootBox->deleteLater();
            rebootBox = nullptr;
        });
    }
}
