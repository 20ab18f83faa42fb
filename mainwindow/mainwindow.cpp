#include "mainwindow/mainwindow.h"

#include "agent/tcpsocket.h"
#include "agent/vexaintf.h"
#include "app/answerwait.h"
#include "app/brandprofile.h"
#include "app/highdpi.h"
#include "app/modaldialog.h"
#include "app/namedtimer.h"
#include "app/screenlook.h"
#include "app/systemrestart.h"
#include "app/systemtray.h"
#include "app/theme.h"
#include "app/waitingspinnerwidget.h"
#include "enrollment/activate.h"
#include "enrollment/activationpending.h"
#include "enrollment/authemail.h"
#include "enrollment/servicecode.h"
#include "mainwindow/secconnstatus.h"
#include "settings/settings.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>

namespace {

// A grey knob, so that a switch the user cannot move (agent lost, or locked by policy) does not look like one they
// can; the groove keeps its colour and the knob its side, so on and off stay told apart.
const QString toggleDisabledRules =
    QStringLiteral(" QSlider::groove:horizontal:disabled { border-color: #B3B3B3; } "
                   "QSlider::handle:horizontal:disabled { background-color: #BDBDBD; border-color: #9E9E9E; }");
const QString toggleStateTemplate =
    QStringLiteral(
        "QSlider {padding: 10px;} QSlider::groove:horizontal { background-color: __bgColor__; border: 1px solid "
        "#5c5c5c; height: 12px; width: 36px; padding: 8px; border-radius: 15px;} QSlider::handle:horizontal { "
        "background-color: __sliderColor__; border: 1px solid #5c5c5c; width: 31px; height: 36px; margin: -10px; "
        "border-radius: 15px; }") +
    toggleDisabledRules;
const QString togglePressedTemplate =
    QStringLiteral(
        "QSlider {padding: 10px;} QSlider::groove:horizontal { background-color: __bgColor__; border: 1px solid "
        "#5c5c5c; height: 12px; width: 36px; padding: 8px; border-radius: 15px;} QSlider::handle:horizontal { "
        "background-color: white; border: 1px solid #5c5c5c; width: 31px; height: 36px; margin: -10px; "
        "border-radius: 15px; }") +
    toggleDisabledRules;

constexpr int rebootPromptResetMs = 500;
constexpr int loadingTickMs = 1000;

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

    // A child, so that tests find it by name and drive it.
    loadingTimer = new QTimer(this);
    loadingTimer->setObjectName(QStringLiteral("loadingTimer"));
    loadingTimer->setInterval(loadingTickMs);
    loadingTime = QTime(0, 0);

    setStyleSheet(QStringLiteral("background-color: #FFF; color: #000; font: 14px \"Ubuntu\";"));
    applyThemeColors(ui->titleBar, StyleTemplate::titleBar);
    ui->titleBar->setText(brand().displayName);

    ui->staticIcon->setFixedSize(brand().homeImageSize);
    ScreenLook::showFitted(ui->staticIcon,
                           loadPicture(brand().connectImagePath, devicePixelRatioF(), brand().homeImageSize),
                           brand().homeImageSize);
    // The same side margins as the texts of the other screens, so long messages do not run to the window edge.
    ui->statusText->setContentsMargins(20, 0, 20, 0);

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
    connect(pendingScreen, &ActivationPending::startSpinner, this, &MainWindow::startSpinner);
    connect(activateScreen, &Activate::stopSpinner, this, &MainWindow::stopSpinner);
    connect(authEmailScreen, &AuthEmail::stopSpinner, this, &MainWindow::stopSpinner);
    connect(settingsScreen, &Settings::stopSpinner, this, &MainWindow::stopSpinner);
    connect(serviceCodeScreen, &ServiceCode::stopSpinner, this, &MainWindow::stopSpinner);
    connect(pendingScreen, &ActivationPending::stopSpinner, this, &MainWindow::stopSpinner);

    trayIcon->setIcon(QIcon(brand().logoIconPath));
    trayIcon->setToolTip(brand().displayName);
    trayIcon->setVisible(true);

    connect(trayIcon, &QSystemTrayIcon::activated, this, &MainWindow::trayActivated);

    ui->toggleButton->setRange(0, 1);
    ui->toggleButton->setTickInterval(1);
    ui->toggleButton->installEventFilter(this);
    ScreenLook::showKeyboardFocus(this);
    ScreenLook::returnPressesButtons(this);

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
    connect(settingsScreen, &Settings::preferenceUnanswered, this,
            [this] { showStatusMessage(AnswerWait::silenceText(), 5); });
    connect(this, &MainWindow::activationError, activateScreen, &Activate::activationError);
    connect(this, &MainWindow::clearActivationScreen, activateScreen, &Activate::clearActivationScreen);
    connect(this, &MainWindow::verifyActivationError, pendingScreen, &ActivationPending::verifyActivationError);
    connect(agent, &vexaintf::sendVexaEvent, this, &MainWindow::processVexaEvent);
    connect(agent, &vexaintf::agentDisconnected, this, &MainWindow::handleAgentDisconnection);
    connect(agent, &vexaintf::agentConnected, this, &MainWindow::handleAgentConnection);
    connect(agent, &vexaintf::agentRefused, this, &MainWindow::showAgentRefused);
    // A dropped over-long line may have been the answer the spinner waits for.
    connect(agent->socket(), &tcpsocket::lineDiscarded, this, &MainWindow::stopSpinner);
    connect(this, &MainWindow::secconnChangeToggleState, agent, &vexaintf::togglesecurechannelstatus);
    connect(this, &MainWindow::rebootCancelled, agent, &vexaintf::rebootCancelled);
    connect(this, &MainWindow::userAuthResponse, authEmailScreen, &AuthEmail::processUserAuthResponse);
    connect(this, &MainWindow::feedbackResponse, settingsScreen, &Settings::processFeedbackResponse);
    connect(this, &MainWindow::listPags, settingsScreen, &Settings::processPagsResponse);
    connect(this, &MainWindow::listViolations, settingsScreen, &Settings::processViolationListResponse);
    connect(this, &MainWindow::listPeers, settingsScreen, &Settings::processPeerListResponse);
    connect(loadingTimer, &QTimer::timeout, this, &MainWindow::updateLoadingTime);
    connect(trayIcon, &QSystemTrayIcon::messageClicked, this, &MainWindow::sysTrayMessageClicked);
    connect(this, &MainWindow::showQRCode, serviceCodeScreen, &ServiceCode::showQRCode);
    connect(this, &MainWindow::qrScreenSwitched, serviceCodeScreen, &ServiceCode::qrScreenSwitched);
    connect(this, &MainWindow::activate, agent, &vexaintf::activate);
    connect(this, &MainWindow::activateQR, serviceCodeScreen, &ServiceCode::activateQR);
    connect(activateScreen, &Activate::sendtoOtpScreen, authEmailScreen, &AuthEmail::sendToOtpScreen);
    connect(authEmailScreen, &AuthEmail::goActivation, this, &MainWindow::setActivationScreen);
    connect(authEmailScreen, &AuthEmail::switchToEmailScreen, this, &MainWindow::goToEmailScreen);
    connect(authEmailScreen, &AuthEmail::sendMessageToActivate, activateScreen, &Activate::userAuthMessages);

    // While the first attempt still runs nothing is known yet; should it fail, the link reports itself down.
    firstAttemptRunning = agent->isStarting();
    if (!agent->isConnected() && !firstAttemptRunning) {
        ui->toggleSwitchWidget->setEnabled(false);
        ui->statusText->setText(tr("Unable to connect with application service"));
        tellScreensAgentUnavailable();
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (SystemTray::isAvailable()) {
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

// The activation page comes back as the user left it: only an accepted activation clears what they typed.
void MainWindow::setActivationScreen()
{
    int page = ActivatePage;
    if (brand().isServiceIdEdition()) {
        emit qrScreenSwitched();
        page = ServiceCodePage;
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
    firstAttemptRunning = false;
    // No answer comes over a dropped link: whatever the spinner covered is the user's again.
    stopSpinner();
    ui->toggleSwitchWidget->setEnabled(false);
    // While the link is down the status line says so and nothing else: no loading animation and no clearing of
    // a text shown before the drop may take its place.
    loadingTimer->stop();
    cancelNamedSingleShots(this, QStringLiteral("statusClearTimer"));
    ui->statusText->setText(tr("Unable to connect with application service"));
    tellScreensAgentUnavailable();
}

void MainWindow::handleAgentConnection()
{
    if (firstAttemptRunning) {
        firstAttemptRunning = false;
        return;
    }
    if (currentAgentInfo && currentAgentInfo->secconn.enabled && !currentAgentInfo->secconn.userControlDisabled)
        ui->toggleSwitchWidget->setEnabled(true);
    agentConnectedNotification();
    if (waitingForData)
        loadingTimer->start();
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
    const QString shown = ui->statusText->text();
    if (shown == tr("Unable to connect with application service") || (!agentRefusal.isEmpty() && shown == agentRefusal))
        ui->statusText->clear();
    agentRefusal.clear();
}

void MainWindow::showAgentRefused(const QString& text)
{
    agentRefusal = text;
    ui->statusText->setText(text);
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
    // A screen reader hears the switch's state, not the slider's number.
    ui->toggleButton->setAccessibleDescription(position == 1 ? tr("On") : tr("Off"));
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
    if (currentAgentInfo && currentAgentInfo->secconn.status == SecconnStatus::connected && position == 0) {
        ui->toggleButton->setSliderPosition(1);
        ui->connStatus->setText(tr("You're disconnecting..."));
        return;
    }
    if (currentAgentInfo && currentAgentInfo->secconn.status == SecconnStatus::notConnected && position == 1) {
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
        if (currentAgentInfo && currentAgentInfo->secconn.status == SecconnStatus::connected) {
            ui->connStatus->setText(tr("You're disconnecting..."));
            applyToggleStyle(togglePressedTemplate, brand().primaryColor, QString());
        } else {
            toggleSwitch(0);
        }
        emit secconnChangeToggleState(false);
    } else if (position == 0) {
        if (currentAgentInfo && currentAgentInfo->secconn.status == SecconnStatus::notConnected)
            ui->connStatus->setText(tr("You're connecting..."));
        else
            toggleSwitch(1);
        if (currentAgentInfo && currentAgentInfo->email.isEmpty() && currentAgentInfo->userIdMethod == 1)
            goAuthSignIn();
        emit secconnChangeToggleState(true);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Space and Return flip the switch as a click on a switch would, through the same path as the arrow keys.
    if (watched == ui->toggleButton && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            ui->toggleButton->triggerAction(ui->toggleButton->sliderPosition() == 0
                                                ? QAbstractSlider::SliderSingleStepAdd
                                                : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
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
    SystemTray::showMessage(*trayIcon, brand().displayName, text, seconds * 1000);
}

void MainWindow::bringToFront()
{
    // show() alone leaves a minimised window minimised, and a window behind others where it was.
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void MainWindow::trayActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::Trigger)
        return;
    if (isVisible() && !isMinimized())
        hide();
    else
        bringToFront();
}

void MainWindow::sysTrayMessageClicked()
{
    bringToFront();
}

void MainWindow::rebootRequired()
{
    show();
    const SystemRestart::Command restart = SystemRestart::command();
    // One prompt at a time: while one is open, after consent, and for a moment after a refusal.
    if (rebootPromptHeld)
        return;
    rebootPromptHeld = true;
    auto* box = new QMessageBox(this);
    box->setObjectName(QStringLiteral("rebootPrompt"));
    box->setText(brand().displayName + tr(" requires a system restart. Click 'OK' to restart the system."));
    box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box->setDefaultButton(QMessageBox::Ok);
    box->setIcon(QMessageBox::Warning);
    box->setWindowIcon(QIcon(brand().logoIconPath));
    box->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    ModalDialog::open(box, [this, restart](int answer) {
        if (answer == QMessageBox::Ok) {
            SystemRestart::start(restart, this, [this] { restartFailed(); });
            return;
        }
        emit rebootCancelled();
        startNamedSingleShot(this, rebootPromptResetMs, QStringLiteral("rebootPromptResetTimer"),
                             [this] { rebootPromptHeld = false; });
    });
}

void MainWindow::restartFailed()
{
    // Consent no longer stands for a restart that did not happen: a later request prompts again.
    rebootPromptHeld = false;
    // The agent hears what it hears when the user declines: the machine is not going down, so it may ask again.
    emit rebootCancelled();
    ModalDialog::open(new QMessageBox(QMessageBox::Warning, brand().displayName,
                                      tr("The system could not be restarted. Please restart it yourself."),
                                      QMessageBox::Ok, this));
}
