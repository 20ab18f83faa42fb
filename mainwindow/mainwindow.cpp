#include "mainwindow/mainwindow.h"

#include "agent/tcpsocket.h"
#include "agent/vexaintf.h"
#include "app/assistiveroles.h"
#include "app/brandprofile.h"
#include "app/herald.h"
#include "app/highdpi.h"
#include "app/modaldialog.h"
#include "app/namedtimer.h"
#include "app/pagemiddle.h"
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
#include "settings/accessiblerows.h"
#include "settings/settings.h"
#include "status/desktopnotices.h"
#include "status/homepicture.h"
#include "status/resumewatch.h"
#include "status/statusmodel.h"
#include "status/statusnotices.h"
#include "status/statuswords.h"
#include "status/traystatus.h"
#include "support/supportreportflow.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSettings>
#include <QSignalBlocker>
#include <QStackedWidget>

namespace {

// A grey knob, so that a switch the user cannot move (agent lost, or locked by policy) does not look like one they
// can; the groove keeps its colour and the knob its side, so on and off stay told apart.
const QString toggleDisabledRules =
    QStringLiteral(" QSlider::groove:horizontal:disabled { border-color: #B3B3B3; } "
                   "QSlider::handle:horizontal:disabled { background-color: #BDBDBD; border-color: #9E9E9E; }");
// Both sides in one sheet: the switch draws its groove and knob in the state of its side, so a flip only repaints.
// The knob of the on side is the secondary colour while the administrator locks the switch.
const QString toggleStateTemplate =
    QStringLiteral(
        "QSlider {padding: 10px;} QSlider::groove:horizontal { border: 1px solid #5c5c5c; height: 12px; width: 36px; "
        "padding: 8px; border-radius: 15px;} QSlider::groove:horizontal:on { background-color: __primaryColor__; } "
        "QSlider::groove:horizontal:off { background-color: __secondaryColor__; } QSlider::handle:horizontal { "
        "border: 1px solid #5c5c5c; width: 31px; height: 36px; margin: -10px; border-radius: 15px; } "
        "QSlider::handle:horizontal:on { background-color: __sliderColor__; } QSlider::handle:horizontal:off { "
        "background-color: #FFF; }") +
    toggleDisabledRules;
const QString togglePressedTemplate =
    QStringLiteral(
        "QSlider {padding: 10px;} QSlider::groove:horizontal { background-color: __bgColor__; border: 1px solid "
        "#5c5c5c; height: 12px; width: 36px; padding: 8px; border-radius: 15px;} QSlider::handle:horizontal { "
        "background-color: white; border: 1px solid #5c5c5c; width: 31px; height: 36px; margin: -10px; "
        "border-radius: 15px; }") +
    toggleDisabledRules;
// Neither side: the switch the window shows while it cannot know whether Secure Access is on.
const QString toggleUnknownStyle = QStringLiteral(
    "QSlider {padding: 10px;} QSlider::groove:horizontal { background-color: #E0E0E0; border: 1px dashed #9E9E9E; "
    "height: 12px; width: 36px; padding: 8px; border-radius: 15px;} QSlider::handle:horizontal { background-color: "
    "#F5F5F5; border: 1px dashed #9E9E9E; width: 31px; height: 36px; margin: -10px; border-radius: 15px; }");
const QString hidingExplainedKey = QStringLiteral("window/hidingExplained");

constexpr int rebootPromptResetMs = 500;
const QSize pageSize(376, 699);
// Room a window manager's title bar and the panel edge take from the available height.
constexpr int windowFrameAllowance = 40;
constexpr int loadingTickMs = 1000;

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);
    statusModel = new StatusModel(this);
    statusNotices = new StatusNotices(statusModel, this);
    trayStatus = new TrayStatus(statusModel, this);
    desktopNotices = new DesktopNotices(this);

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
    showHomePicture(homePictureFor(statusModel->current()));
    // The same side margins as the texts of the other screens, so long messages do not run to the window edge.
    ui->statusText->setContentsMargins(20, 0, 20, 0);
    AssistiveRoles::markArrangement(ui->screenStack);
    AssistiveRoles::nameScreen(ui->connPage, QString());
    herald = new Herald(ui->connPage);
    herald->follow(ui->connStatus);
    herald->follow(ui->attentionReason);
    herald->follow(ui->lastKnownState);
    herald->follow(ui->statusText);
    herald->follow(ui->statusNextStep);
    // The icon and the arrow beside "Settings" open it too, for the mouse; a screen reader reads the row once.
    for (QPushButton* repetition : {ui->settingsIcon, ui->settingsNavButton})
        AccessibleRows::hideRepetition(repetition);

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

    connect(trayStatus, &TrayStatus::clicked, this, &MainWindow::trayClicked);
    connect(trayStatus, &TrayStatus::openRequested, this, &MainWindow::bringToFront);
    connect(trayStatus, &TrayStatus::settingsRequested, this, [this] {
        bringToFront();
        openSettings();
    });
    connect(trayStatus, &TrayStatus::secureAccessRequested, this, &MainWindow::requestSecureAccessFromTray);
    connect(trayStatus, &TrayStatus::quitRequested, this, &MainWindow::quitRequested);
    connect(statusNotices, &StatusNotices::notice, this,
            [this](NoticeKind kind, const QString& text) { showNotice(kind, text, 5); });
    connect(desktopNotices, &DesktopNotices::opened, this, &MainWindow::openForNotice);
    connect(new ResumeWatch(QDBusConnection::systemBus(), this), &ResumeWatch::resumed, this,
            &MainWindow::checkAfterResume);
    // Without a tray the window is the only place left to quit from.
    auto* quitAction = new QAction(tr("&Quit"), this);
    quitAction->setObjectName(QStringLiteral("windowQuit"));
    quitAction->setShortcut(QKeySequence::Quit);
    connect(quitAction, &QAction::triggered, this, &MainWindow::quitRequested);
    addAction(quitAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(statusModel, &StatusModel::changed, this, &MainWindow::showStatus);
    auto* supportReport = new SupportReportFlow(statusModel, this);
    connect(settingsScreen, &Settings::supportReportRequested, supportReport, &SupportReportFlow::open);
    connect(settingsScreen, &Settings::feedbackNotice, this,
            [this](const QString& text) { showNotice(NoticeKind::FeedbackTicket, text, 5); });
    connect(trayStatus, &TrayStatus::supportReportRequested, this, [this, supportReport] {
        bringToFront();
        supportReport->open();
    });

    ui->toggleButton->setRange(0, 1);
    // As wide as the switch is drawn, so that its focus ring hugs it; the row keeps the switch where it always was.
    ui->toggleButton->setFixedWidth(76);
    ui->horizontalLayout->setStretchFactor(ui->secureAccessLabel, 2);
    ui->horizontalLayout->addStretch(1);
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
    connect(settingsScreen, &Settings::deviceDeactivated, this, [this](const QString& notice) {
        if (brand().isServiceIdEdition())
            serviceCodeScreen->showNotice(notice);
        else
            activateScreen->showNotice(notice);
    });
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
    connect(this, &MainWindow::secconnChangeToggleState, statusModel, &StatusModel::noteUserRequest);
    connect(this, &MainWindow::rebootCancelled, agent, &vexaintf::rebootCancelled);
    connect(this, &MainWindow::verifyAfterResume, agent, &vexaintf::verifyActivationStatus);
    connect(this, &MainWindow::userAuthResponse, authEmailScreen, &AuthEmail::processUserAuthResponse);
    connect(this, &MainWindow::feedbackResponse, settingsScreen, &Settings::processFeedbackResponse);
    connect(this, &MainWindow::listPags, settingsScreen, &Settings::processPagsResponse);
    connect(this, &MainWindow::listViolations, settingsScreen, &Settings::processViolationListResponse);
    connect(this, &MainWindow::listPeers, settingsScreen, &Settings::processPeerListResponse);
    connect(loadingTimer, &QTimer::timeout, this, &MainWindow::updateLoadingTime);
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
    ui->lastKnownState->hide();
    ui->attentionReason->hide();
    ui->statusNextStep->hide();
    if (agent->isConnected()) {
        statusModel->setLink(LinkStatus::Up);
    } else if (!firstAttemptRunning) {
        ui->toggleSwitchWidget->setEnabled(false);
        ui->statusText->setText(tr("Unable to connect to the application service"));
        tellScreensAgentUnavailable();
        statusModel->setLink(LinkStatus::Down);
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The window stays within reach: in the tray where there is one, in the task bar where there is none.
    event->ignore();
    const bool trayAvailable = SystemTray::isAvailable();
    if (trayAvailable)
        hide();
    else
        showMinimized();
    explainWhereTheWindowWent(trayAvailable);
}

void MainWindow::fitInto(const QRect& available)
{
    // One size only: a maximised window would stretch pages drawn for this width.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    const int room = available.height() - windowFrameAllowance;
    if (room >= pageSize.height()) {
        setFixedSize(pageSize);
        return;
    }
    // A dense screen at a large scale has less room than a page. Scrolling the whole window would take the title
    // bar, with a sub-screen's Back, and the settings bar out of sight; only what lies between them scrolls.
    const QList<QStackedWidget*> stacks = findChildren<QStackedWidget*>();
    for (QStackedWidget* stack : stacks) {
        for (int index = 0; index < stack->count(); ++index)
            PageMiddle::scrollBetweenBars(stack->widget(index));
    }
    setFixedSize(pageSize.width(), qMax(room, 200));
}

void MainWindow::explainWhereTheWindowWent(bool trayAvailable)
{
    QSettings settings;
    if (settings.value(hidingExplainedKey).toBool())
        return;
    settings.setValue(hidingExplainedKey, true);
    if (trayAvailable) {
        showNotice(NoticeKind::StillRunning,
                   tr("%1 keeps running in the system tray. Click its icon to open the window again.")
                       .arg(brand().displayName),
                   10);
        return;
    }
    // No tray to speak from: the minimised window's own box says it, once, and offers the way out the tray would.
    auto* box = new QMessageBox(
        QMessageBox::Information, brand().displayName,
        tr("%1 keeps running while its window is minimized. Find it in the taskbar.").arg(brand().displayName),
        QMessageBox::Ok, this);
    QAbstractButton* quit = box->addButton(tr("&Quit"), QMessageBox::DestructiveRole);
    ModalDialog::open(box, [this, box, quit](int) {
        if (box->clickedButton() == quit)
            emit quitRequested();
    });
}

// ---- navigation

int MainWindow::currentPage() const
{
    return ui->screenStack->currentIndex();
}

void MainWindow::showPage(int page)
{
    if (currentPage() == page)
        return;
    QWidget* focus = focusWidget();
    const bool focusLeaves = !focus || !focus->isVisible() || ui->screenStack->currentWidget()->isAncestorOf(focus);
    // Qt would move the keyboard into the new screen at once, perhaps to a control that the rest of the agent's
    // message hides or replaces: a screen reader would read that one first. It comes once, where it belongs.
    if (focusLeaves && focus) {
        if (currentPage() == HomePage)
            focusLeftHome = focus;
        focus->clearFocus();
    }
    ui->screenStack->setCurrentIndex(page);
    if (!focusLeaves)
        return;
    screenAwaitsFocus = true;
    // The screen's lines are read with the control the keyboard lands on; told as news as well, they would be heard
    // twice.
    if (page == HomePage)
        herald->screenArrives();
    if (!handlingMessage)
        focusArrivedScreen();
}

void MainWindow::focusArrivedScreen()
{
    if (!std::exchange(screenAwaitsFocus, false))
        return;
    // A screen that puts the keyboard into its field as it shows (a code to type) has chosen already.
    QWidget* screen = ui->screenStack->currentWidget();
    const QWidget* chosen = focusWidget();
    if (chosen && chosen->isVisible() && screen->isAncestorOf(chosen))
        return;
    // Back home, the keyboard is where it left from (the Settings button); any other screen it starts at the top of,
    // where a screen reader reads the screen's name with the control.
    QWidget* left = currentPage() == HomePage ? focusLeftHome.data() : nullptr;
    QWidget* target = left && left->isVisible() && left->isEnabled() ? left : firstControl(screen);
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

QWidget* MainWindow::firstControl(QWidget* screen)
{
    for (QWidget* next = screen->nextInFocusChain(); next != screen; next = next->nextInFocusChain()) {
        if (screen->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) && next->isVisible() &&
            next->isEnabled() && !next->focusProxy())
            return next;
    }
    return nullptr;
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
    // Signing out ends the tunnel too; the user asked for that.
    statusModel->noteUserRequest(false);
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

void MainWindow::updateScreenForAgentState(const AgentInfo& info, bool markActivated)
{
    // An accepted activation counts as activated before the agent's snapshot says so.
    const int state = markActivated ? 1 : info.activationState;
    if (state == 0) {
        // An email enrollment finishes on the OTP page, before the agent reports the device enrolled; a sign-in
        // page has nothing to do on a device that is not enrolled.
        if (!(currentPage() == EmailPage && authEmailScreen->showsEnrollmentOtp()))
            setActivationScreen();
        screensReset = false;
        return;
    }

    if (!brand().isServiceIdEdition() && state == 1 && info.email.isEmpty() && info.secconn.enabled &&
        info.userIdMethod == 1 && currentPage() != EmailPage) {
        emit clearActivationScreen();
        goAuthSignIn();
        return;
    }

    if (state == 2) {
        pendingApproval = true;
        showPage(PendingPage);
        return;
    }

    if (state == 1) {
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
    checkingAfterResume = false;
    // No answer comes over a dropped link: whatever the spinner covered is the user's again.
    stopSpinner();
    QWidget* focus = focusWidget();
    ui->toggleSwitchWidget->setEnabled(false);
    // While the link is down the status line says so and nothing else: no loading animation and no clearing of
    // a text shown before the drop may take its place.
    stopLoadingAnimation();
    cancelNamedSingleShots(this, QStringLiteral("statusClearTimer"));
    ui->statusText->setText(tr("Unable to connect to the application service"));
    tellScreensAgentUnavailable();
    statusModel->setLink(LinkStatus::Down);
    // The switch or row the keyboard was on went with the link; it gets the keyboard back when it returns, unless
    // the user has moved on by then.
    if (focus && focus != focusWidget() && !focusLostToLink) {
        focusLostToLink = focus;
        focusAfterLoss = focusWidget();
    }
}

void MainWindow::giveFocusBack()
{
    if (!focusLostToLink)
        return;
    if (focusWidget() != focusAfterLoss) {
        focusLostToLink = nullptr;
        return;
    }
    if (focusLostToLink->isVisible() && focusLostToLink->isEnabled()) {
        focusLostToLink->setFocus(Qt::OtherFocusReason);
        focusLostToLink = nullptr;
    }
}

void MainWindow::handleAgentConnection()
{
    statusModel->setLink(LinkStatus::Up);
    if (firstAttemptRunning) {
        firstAttemptRunning = false;
        return;
    }
    // The switch waits for the agent's first word: until then the window does not know which side is true.
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
    if (shown == tr("Unable to connect to the application service") ||
        (!agentRefusal.isEmpty() && shown == agentRefusal))
        ui->statusText->clear();
    agentRefusal.clear();
}

void MainWindow::showAgentRefused(const QString& text)
{
    agentRefusal = text;
    ui->statusText->setText(text);
    statusModel->setLink(LinkStatus::Refused);
}

// ---- the one state, on the home screen

void MainWindow::showStatus(const Status& previous, const Status& now)
{
    const bool unheard = now.agentUnheard();
    const bool wasUnheard = previous.agentUnheard();
    if (unheard)
        showAgentUnheard(now);
    else if (wasUnheard)
        // The agent's next snapshot says what is true now; until then the window claims nothing.
        ui->connStatus->clear();
    ui->lastKnownState->setVisible(unheard && !ui->lastKnownState->text().isEmpty());
    showHomePicture(homePictureFor(now));
    showAttentionReason(now);

    const QString nextStep = StatusWords::nextStep(now);
    ui->statusNextStep->setText(nextStep);
    ui->statusNextStep->setVisible(!nextStep.isEmpty());

    if (now.state != AppState::SecureAccessOff && ui->statusText->text() == secureAccessOffAfterSignIn())
        ui->statusText->clear();

    // The notice's own text stays on the status line only while the access it describes lasts.
    if (!standingStatusText.isEmpty() && statusModel->networkAccess() == NetworkAccess::Open) {
        if (ui->statusText->text() == standingStatusText)
            ui->statusText->clear();
        standingStatusText.clear();
    }
}

void MainWindow::showHomePicture(HomePicture picture)
{
    if (shownPicture == picture)
        return;
    shownPicture = picture;
    ScreenLook::showFitted(ui->staticIcon,
                           loadPicture(homePicturePath(picture), devicePixelRatioF(), brand().homeImageSize),
                           brand().homeImageSize);
}

void MainWindow::showAttentionReason(const Status& now)
{
    // The headline tells the tunnel; why the device needs attention goes under it, as the tray says it. A device
    // without Secure Access whose headline already says it is isolated is not told so twice.
    const bool headlineSaysIt =
        now.attention == Attention::DeviceIsolated && currentAgentInfo && !currentAgentInfo->secconn.enabled;
    QString reason;
    if (now.state == AppState::NeedsAttention && !headlineSaysIt)
        reason = StatusWords::detail(now);
    else if (now.state == AppState::SignInNeeded)
        reason = StatusWords::state(now);
    ui->attentionReason->setVisible(!reason.isEmpty());
    ui->attentionReason->setText(reason);
}

void MainWindow::showAgentUnheard(const Status& now)
{
    ui->connStatus->setText(StatusWords::state(now));
    const std::optional<Status>& lastKnown = statusModel->lastKnown();
    ui->lastKnownState->setText(lastKnown ? tr("Last known: %1").arg(StatusWords::summary(*lastKnown)) : QString());
    // Neither on nor off: moving the knob here must not read as the user's wish, nor as the agent's report.
    const QSignalBlocker quiet(ui->toggleButton);
    ui->toggleButton->setSliderPosition(0);
    ui->toggleButton->setValue(0);
    ui->toggleButton->setStyleSheet(toggleUnknownStyle);
    ui->toggleButton->setKnown(false);
    ui->toggleButton->setAccessibleDescription(StatusWords::state(now));
}

void MainWindow::requestSecureAccessFromTray(bool on)
{
    if (!statusModel->current().switchUsable || !ui->toggleSwitchWidget->isEnabled())
        return;
    // The keyboard's way through the switch: one request, and the same texts as a key press.
    if (ui->toggleButton->isOn() != on)
        ui->toggleButton->flip();
}

QString MainWindow::secureAccessOffAfterSignIn()
{
    return tr("Signed in. Secure Access is off: turn it on with the switch above.");
}

void MainWindow::offerSecureAccessAfterSignIn()
{
    // The agent does not bring the tunnel back after a sign-in; a user who signed in to get it would wait for nothing.
    // The switch takes the keyboard, so one key press asks for it.
    if (currentPage() != HomePage || statusModel->current().state != AppState::SecureAccessOff ||
        !statusModel->current().switchUsable)
        return;
    cancelNamedSingleShots(this, QStringLiteral("statusClearTimer"));
    ui->statusText->setText(secureAccessOffAfterSignIn());
    ui->toggleButton->setFocus(Qt::OtherFocusReason);
}

void MainWindow::agentDisconnectedNotification()
{
    ui->statusText->setText(tr("Unable to connect to the application service"));
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

bool MainWindow::ToggleLook::operator==(const ToggleLook& other) const
{
    return styleTemplate == other.styleTemplate && background == other.background && knob == other.knob &&
           primary == other.primary && secondary == other.secondary;
}

void MainWindow::applyToggleStyle(const QString& styleTemplate, const QString& background, const QString& knob)
{
    // Snapshots arrive many times a second with the same state: the sheet is built when the look asked for changes,
    // and set (which re-polishes the switch) only when it is not the one the switch has.
    const ToggleLook look{&styleTemplate, background, knob, brand().primaryColor, brand().secondaryColor};
    if (!(look == toggleLook)) {
        toggleLook = look;
        toggleStyle = fillThemeColors(styleTemplate, {look.primary, look.secondary, background, knob});
    }
    if (ui->toggleButton->styleSheet() != toggleStyle)
        ui->toggleButton->setStyleSheet(toggleStyle);
}

void MainWindow::setToggleState(int position)
{
    ui->toggleButton->setSliderPosition(position);
    ui->toggleButton->setKnown(true);
    // A screen reader hears the switch's state, once per change: every snapshot passes here.
    const QString description = position == 1 ? tr("On") : tr("Off");
    if (ui->toggleButton->accessibleDescription() != description)
        ui->toggleButton->setAccessibleDescription(description);
    if (position == 1 || position == 0) {
        const bool locked = currentAgentInfo && currentAgentInfo->secconn.userControlDisabled;
        applyToggleStyle(toggleStateTemplate, QString(), locked ? brand().secondaryColor : QStringLiteral("#FFF"));
    }
}

void MainWindow::toggleSwitch(int value)
{
    const int position = ui->toggleButton->sliderPosition();
    if (currentAgentInfo && currentAgentInfo->secconn.status == SecconnStatus::connected && position == 0) {
        ui->toggleButton->setSliderPosition(1);
        ui->connStatus->setText(tr("Disconnecting…"));
        return;
    }
    if (currentAgentInfo && currentAgentInfo->secconn.status == SecconnStatus::notConnected && position == 1) {
        if (currentAgentInfo->email.isEmpty() && currentAgentInfo->userIdMethod == 1)
            goAuthSignIn();
        ui->toggleButton->setSliderPosition(0);
        ui->connStatus->setText(tr("Connecting…"));
        return;
    }
    setToggleState(value);
}

void MainWindow::sliderPressed()
{
    if (!vexaintf::instance()->isConnected()) {
        ui->statusText->setText(tr("Unable to connect to the application service"));
        return;
    }
    agentConnectedNotification();
    const int position = ui->toggleButton->sliderPosition();
    if (position == 1) {
        if (currentAgentInfo && currentAgentInfo->secconn.status == SecconnStatus::connected) {
            ui->connStatus->setText(tr("Disconnecting…"));
            applyToggleStyle(togglePressedTemplate, brand().primaryColor, QString());
        } else {
            toggleSwitch(0);
        }
        emit secconnChangeToggleState(false);
    } else if (position == 0) {
        if (currentAgentInfo && currentAgentInfo->secconn.status == SecconnStatus::notConnected)
            ui->connStatus->setText(tr("Connecting…"));
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
            ui->toggleButton->flip();
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
            ui->statusText->setText(tr("Unable to connect to the application service"));
        }
        break;
    default:
        break;
    }
}

void MainWindow::stopLoadingAnimation()
{
    loadingTimer->stop();
    // The line speaks its own text again.
    ui->statusText->setAccessibleName(QString());
}

void MainWindow::clearStatusText()
{
    ui->statusText->setText(standingStatusText);
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
    // The dots move every second; a screen reader hears the words once. Padding keeps the words from shifting.
    if (ui->statusText->accessibleName().isEmpty())
        ui->statusText->setAccessibleName(tr("Fetching information"));
    const int dots = loadingTime.second();
    ui->statusText->setText(tr("Fetching information") + QString(dots, QLatin1Char('.')) +
                            QString(3 - dots, QLatin1Char(' ')));
}

// ---- tray and restart prompt

void MainWindow::showNotice(NoticeKind kind, const QString& text, int seconds)
{
    // The product's name is on the notice already (its icon and application name): the summary says the state.
    desktopNotices->show(kind, StatusWords::summary(statusModel->current()), text, seconds);
    // Without a tray the task bar is where a problem can still ask to be seen.
    if (DesktopNotices::isProblem(kind) && !SystemTray::isAvailable())
        QApplication::alert(this);
}

void MainWindow::openForNotice(NoticeKind kind)
{
    bringToFront();
    switch (kind) {
    case NoticeKind::NetworkBlocked:
    case NoticeKind::NetworkBlockAhead:
    case NoticeKind::NetworkOpen:
        if (settingsScreen->isEnabled()) {
            openSettings();
            settingsScreen->goNotification();
        }
        return;
    default:
        goHome();
        return;
    }
}

void MainWindow::checkAfterResume()
{
    // One question per wake-up, and none over a link that is down: its return asks again by itself.
    if (checkingAfterResume || !vexaintf::instance()->isConnected())
        return;
    checkingAfterResume = true;
    cancelNamedSingleShots(this, QStringLiteral("statusClearTimer"));
    ui->statusText->setText(tr("Checking…"));
    emit verifyAfterResume();
}

void MainWindow::bringToFront()
{
    // show() alone leaves a minimised window minimised, and a window behind others where it was.
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void MainWindow::trayClicked()
{
    // Only a window the user can see goes away: a covered one comes to the front first.
    if (isVisible() && !isMinimized() && isActiveWindow())
        hide();
    else
        bringToFront();
}

void MainWindow::rebootRequired()
{
    show();
    const SystemRestart::Command restart = SystemRestart::command();
    // One prompt at a time: while one is open, after consent, and for a moment after a refusal.
    statusModel->setRestartRequired(true);
    if (rebootPromptHeld)
        return;
    rebootPromptHeld = true;
    auto* box = new QMessageBox(this);
    box->setObjectName(QStringLiteral("rebootPrompt"));
    //: %1 is the product's name.
    box->setText(tr("%1 requires a system restart. Click 'OK' to restart the system.").arg(brand().displayName));
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
