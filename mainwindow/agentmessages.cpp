// The way of every agent message through the window: the snapshot compared with the previous one, then the reaction
// to the message's own type and outcome.
#include "agent/messageparser.h"
#include "agent/vexaintf.h"
#include "app/assistiveroles.h"
#include "app/brandprofile.h"
#include "app/namedtimer.h"
#include "app/screenlook.h"
#include "app/weblink.h"
#include "enrollment/activate.h"
#include "enrollment/activationpending.h"
#include "enrollment/authemail.h"
#include "enrollment/servicecode.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/secconnstatus.h"
#include "settings/settings.h"
#include "status/desktopnotices.h"
#include "status/statusmodel.h"
#include "ui_mainwindow.h"

#include <QDateTime>
#include <QIcon>
#include <QLocale>

namespace {
constexpr int qrRetryDelayMs = 5000;
constexpr int approvalRecheckDelayMs = 300000;
} // namespace

AgentInfo MainWindow::parseVexaEvent(QJsonObject message)
{
    return snapshotReader.read(message);
}

void MainWindow::processVexaEvent(QJsonObject message)
{
    handlingMessage = true;
    stopSpinner();
    if (checkingAfterResume) {
        checkingAfterResume = false;
        if (ui->statusText->text() == tr("Checking…"))
            ui->statusText->clear();
    }
    const int messageType = message.value(QLatin1String("type")).toInt();
    const AgentInfo info = parseVexaEvent(message);
    const Response response = parseResponse(message);
    if (!response.qrCode.isEmpty() && brand().isServiceIdEdition()) {
        pendingServiceCode = response.qrCode;
        emit showQRCode(response.qrCode);
    }
    applySnapshot(info);
    // What the home screen now shows, so that the tray says the same, and a notice the response raises already
    // speaks of the state the message carries.
    statusModel->setSnapshot(*currentAgentInfo);
    dispatchResponse(messageType, response, *currentAgentInfo);
    handlingMessage = false;
    // Once the whole message has set the screen up: the control the keyboard goes to may only now be there.
    focusArrivedScreen();
    giveFocusBack();
}

void MainWindow::applySnapshot(const AgentInfo& received)
{
    const AgentInfo* previous = currentAgentInfo ? &*currentAgentInfo : nullptr;

    // Before the activation page comes back, so that it tells the user and does not simply start over.
    if (previous && previous->activationState == 2 && received.activationState == 0)
        tellApprovalDenied();

    // Data that has just become unavailable: from here on the snapshot's connection reads as an idle one.
    std::optional<AgentInfo> withoutConnection;
    if (!previous || received.dataAvailable != previous->dataAvailable) {
        if (received.dataAvailable) {
            waitingForData = false;
            stopLoadingAnimation();
            ui->statusText->clear();
            updateScreenForAgentState(received, false);
        } else {
            waitingForData = true;
            if (received.activationState != 1)
                updateScreenForAgentState(received, false);
            withoutConnection = received;
            withoutConnection->secconn = SecconnInfo();
            loadingTimer->start();
        }
    }
    const AgentInfo& info = withoutConnection ? *withoutConnection : received;

    if (info.activationState != 1 && brand().displayName == QLatin1String("Lumidor"))
        updateScreenForAgentState(info, false);

    if (previous && info.activationState != previous->activationState)
        updateScreenForAgentState(info, false);

    if (!previous || info.entName != previous->entName) {
        ui->enterpriseName->setText(info.entName);
        // The home screen is read by the enterprise the device belongs to when the keyboard comes to it.
        AssistiveRoles::nameScreen(ui->connPage, info.entName);
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

    if (!previous || info.notifyViolation != previous->notifyViolation)
        showFindingsMark(info.notifyViolation);

    settingsScreen->updateInfo(info, previous);

    QString connectionText;
    int togglePosition = 0;
    if (info.secconn.enabled) {
        if (ui->toggleSwitchWidget->isHidden())
            ui->toggleSwitchWidget->show();
        ui->toggleSwitchWidget->setEnabled(!info.secconn.userControlDisabled);
        switch (info.secconn.status) {
        case SecconnStatus::connecting:
            connectionText = tr("Connecting…");
            togglePosition = 1;
            break;
        case SecconnStatus::connected:
            connectionText = tr("You're connected!");
            togglePosition = 1;
            break;
        case SecconnStatus::disconnecting:
            connectionText = tr("Disconnecting…");
            togglePosition = 1;
            break;
        case SecconnStatus::alreadyInNetwork:
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
                phase = tr("Discovery in progress");
                break;
            case 2:
                phase = tr("Fetching preferred access gateway information");
                break;
            case 3:
                phase = tr("Checking preferred access gateway reachability");
                break;
            case 4:
                phase = tr("Fetching profile");
                break;
            case 5:
                phase = tr("You're already in the network");
                break;
            case 6:
                phase = tr("Creating session");
                break;
            case 7:
                phase = tr("Session timed out");
                break;
            case 8:
                // The same words as the headline's, so the window does not say it twice in two spellings.
                phase = tr("You're connected!");
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
            subscription = info.agentIsolated ? tr("Your device has been isolated") : tr("You're subscribed");
        ui->connStatus->setText(subscription);
    }

    // Mostly the same snapshot again: nothing to copy then.
    if (!currentAgentInfo || !(*currentAgentInfo == info))
        currentAgentInfo = info;

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
        if (isTaken(pendingScreen->takeStatusAnswer()) &&
            (code == AdminApprovalPending || code == VerificationRequestFailed)) {
            emit verifyActivationError(static_cast<ResponseType>(code));
            showPage(PendingPage);
        }
        break;
    case 3:
        settingsScreen->deactivationResult(response);
        break;
    case 4:
    case 6: {
        const AnswerClaim claim = authEmailScreen->takeUserAnswer();
        if (isTaken(claim))
            emit userAuthResponse(response);
        // Signed in, or the device is not enrolled: the state the agent reports, whoever asked.
        if (code == Activated) {
            setActivatedScreen();
            // Only the user who waited for the sign-in is offered the switch; the agent's own news moves nothing.
            if (claim == AnswerClaim::Wanted)
                offerSecureAccessAfterSignIn();
        } else if (code == AgentNotActivated) {
            setActivationScreen();
        }
        break;
    }
    case 5:
        settingsScreen->signOutResult(response);
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
            const QString failure = tr("Listing the preferred access gateways failed");
            emit listPags(Response(), PAG(), failure);
            showStatusMessage(failure, 4);
        } else if (code == NotSubscribed) {
            // Said where the user waits for the list, and on the home page as before.
            const QString notSubscribed = tr("You're not subscribed to the secure connection");
            emit listPags(Response(), PAG(), notSubscribed);
            showStatusMessage(notSubscribed, 4);
        } else {
            emit listPags(response, PAG{info.prefPagId, info.prefPagType}, QString());
        }
        break;
    case 10:
        // The gateway screen tells the outcome of a choice made on it. A failure is told on the home page too, where
        // a user who left the gateway screen meanwhile may be; not over whatever other page came next.
        if ((settingsScreen->takePreferenceAnswer(response) || currentPage() == HomePage) &&
            code == PagPreferenceFailed)
            showStatusMessage(tr("Setting the preferred access gateway failed"), 5);
        break;
    case 11:
        if (code == RebootRequired)
            rebootRequired();
        else if (code == NetAccessNotice)
            showNetworkAccessNotice(response);
        break;
    case 12:
        if (code == ViolationListFailed) {
            emit listViolations(Response(), tr("Getting notifications failed"));
        } else {
            showFindingsMark(false);
            emit listViolations(response, QString());
        }
        break;
    case 14:
        if (code == PeerListingFailed)
            emit listPeers(Response(), tr("Listing peer devices failed"));
        else
            emit listPeers(response, QString());
        break;
    default:
        break;
    }
}

void MainWindow::showFindingsMark(bool shown)
{
    // Each listing of the findings clears the mark: the icons are read from their files once.
    static const QIcon marked(QStringLiteral(":/images/settingsNotification.png"));
    static const QIcon plain(QStringLiteral(":/images/settings.png"));
    // The red dot, in words for a screen reader.
    ScreenLook::showMark(ui->settingsIcon, shown ? marked : plain, ui->settingsButton,
                         shown ? tr("Compliance findings to review") : QString());
    emit changeNotificationsIcon(shown);
}

AnswerClaim MainWindow::takeActivationAnswer()
{
    if (brand().isServiceIdEdition())
        return serviceCodeScreen->takeActivationAnswer();
    // With the email method the OTP page asks too; both hear every answer, since none names its request.
    return strongestClaim({activateScreen->takeActivationAnswer(), authEmailScreen->takeActivationAnswer()});
}

// An answer that came after its screen stopped waiting and the user has left that screen says nothing more there:
// no refusal text and no page change. What the answer says about the device's state still counts.
void MainWindow::dispatchActivationResult(const Response& response, const AgentInfo& info)
{
    const bool taken = isTaken(takeActivationAnswer());
    // Only an email enrollment's OTP page hears activation answers; a user signing in waits for user answers.
    if (authEmailScreen->enrollsDevice() && taken)
        emit userAuthResponse(response);

    const auto code = static_cast<ResponseType>(response.code);
    switch (code) {
    case InvalidName:
    case ConnectivityFailure:
        if (!brand().isServiceIdEdition()) {
            if (taken)
                refuseActivation(code);
            break;
        }
        // The service-ID edition retries these with the held code, as it does when asked to.
        [[fallthrough]];
    case ActivateQrThroughCode:
        retryHeldCodeLater();
        break;
    case ActivationAccepted:
        updateScreenForAgentState(info, true);
        break;
    case InvalidActivationCode:
    case ActivationCodeExpired:
    case AgentNotActivated:
    case DuplicateDeviceName:
    case ActivationNotAllowed:
    case MaxDevicesReached:
        if (taken)
            refuseActivation(code);
        break;
    case AdminApprovalPending:
        // The window asks on its own account: no spinner, and no wait that could end in a text.
        startNamedSingleShot(this, approvalRecheckDelayMs, QStringLiteral("approvalRecheckTimer"),
                             [this] { pendingScreen->requestActivationStatus(); });
        emit verifyActivationError(code);
        showPage(PendingPage);
        break;
    case VerificationRequestFailed:
        if (taken) {
            emit verifyActivationError(code);
            showPage(PendingPage);
        }
        break;
    default:
        break;
    }
}

void MainWindow::refuseActivation(ResponseType code)
{
    if (!brand().isServiceIdEdition()) {
        // The page comes back as the user left it, so that a mistyped code or name can be corrected.
        emit activationError(code);
        showPage(ActivatePage);
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

void MainWindow::activateQRThroughCode()
{
    emit activateQR(pendingServiceCode);
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
    NetworkAccess access = NetworkAccess::Blocked;
    switch (response.netAccessType) {
    case 1:
        notice = response.blockedSubnets.isEmpty()
                     ? tr("Internet access is blocked.")
                     : tr("Access to the network address %1 has been blocked.").arg(response.blockedSubnets);
        break;
    case 2: {
        if (response.blockTime < 0)
            return;
        // The user's own clock format: 24-hour where the language reads it so, with the locale's own day-half words;
        // a time on another day than today carries its date.
        const QDateTime at = QDateTime::fromSecsSinceEpoch(static_cast<quint32>(response.blockTime)).toLocalTime();
        const QString time = at.date() == QDate::currentDate() ? QLocale().toString(at.time(), QLocale::ShortFormat)
                                                               : QLocale().toString(at, QLocale::ShortFormat);
        notice = response.blockedSubnets.isEmpty()
                     ? tr("Internet access will be blocked at %1.").arg(time)
                     : tr("Access to the network address %1 will be blocked at %2.").arg(response.blockedSubnets, time);
        access = NetworkAccess::BlockAhead;
        break;
    }
    case 3:
        notice = tr("Internet access is enabled.");
        standingStatusText.clear();
        statusModel->setNetworkAccess(NetworkAccess::Open);
        showNotice(NoticeKind::NetworkOpen, notice, 3);
        showStatusMessage(notice, 3);
        return;
    default:
        return;
    }
    // The line outlasts its first seconds: while access stays blocked, timed texts give way to it again. Where to
    // see the details is the next-step line's to say, once.
    standingStatusText = notice;
    // The model first, so that the notice's summary already says what the notice is about.
    statusModel->setNetworkAccess(access, response.blockTime);
    // Only a window out of sight is to be opened; one in sight says where to look itself.
    const bool windowInSight = isVisible() && !isMinimized();
    //: %1 is a notice about network access, %2 the product's name.
    showNotice(
        access == NetworkAccess::Blocked ? NoticeKind::NetworkBlocked : NoticeKind::NetworkBlockAhead,
        windowInSight ? notice : tr("%1 Open %2 to see the compliance details.").arg(notice, brand().displayName), 5);
    showStatusMessage(notice, response.netAccessType == 1 ? 8 : 5);
}
