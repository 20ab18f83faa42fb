#include "settings/settings.h"

#include "agent/vexaintf.h"
#include "app/answerwait.h"
#include "app/assistiveroles.h"
#include "app/brandprofile.h"
#include "app/herald.h"
#include "app/modaldialog.h"
#include "app/screenlook.h"
#include "app/theme.h"
#include "app/waitingspinnerwidget.h"
#include "app/weblink.h"
#include "settings/accessiblerows.h"
#include "settings/breakblanks.h"
#include "settings/feedback.h"
#include "settings/notification.h"
#include "settings/pagselection.h"
#include "settings/peerdevices.h"
#include "ui_settings.h"

#include <QEvent>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <algorithm>
#include <utility>

namespace {

// What the scroll bar, a row's spacing and the value's paddings take from the window's width beside the caption.
constexpr int rowMargins = 40;

constexpr int secconnConnected = 2;
constexpr int secconnNotConnected = 4;
constexpr int secconnAlreadyInNetwork = 5;

// Without a tunnel of its own the device has no gateway address, assigned address or test link worth showing.
bool hidesTunnelRows(int status)
{
    return status == secconnNotConnected || status == secconnAlreadyInNetwork;
}

// True when the snapshot's status brings back the rows that the one before had hidden.
bool tunnelRowsReturn(const AgentInfo& info, const AgentInfo* previous)
{
    return previous && hidesTunnelRows(previous->secconn.status) && !hidesTunnelRows(info.secconn.status);
}

bool restrictedEdition()
{
    return brand().isServiceIdEdition();
}

bool isNovalume()
{
    return brand().displayName == QLatin1String("Novalume");
}

// A button label would take "&" for a shortcut marker and drop it.
QString buttonText(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// A tool tip that looks like markup would be rendered as markup; this one shows the agent's text as it is, every
// blank kept, wrapped only where the tip runs out of room.
QString plainToolTip(const QString& text)
{
    return text.isEmpty() ? QString()
                          : QStringLiteral("<qt style=\"white-space:pre-wrap\">%1</qt>").arg(text.toHtmlEscaped());
}

QString agentUnavailableText()
{
    return Settings::tr("Unable to connect to the application service");
}

// OK with nothing typed keeps the prompt open and says what it needs, where closing would look like a cancel.
class PasswordPrompt : public QInputDialog
{
public:
    explicit PasswordPrompt(QWidget* parent) : QInputDialog(parent)
    {
        setWindowTitle(brand().displayName);
        setLabelText(request());
        setTextEchoMode(QLineEdit::Password);
    }

    void done(int result) override
    {
        if (result == QDialog::Accepted && textValue().isEmpty()) {
            setLabelText(Settings::tr("The password must not be empty.") + QLatin1Char('\n') + request());
            return;
        }
        QInputDialog::done(result);
    }

private:
    // The user's own sign-in password would be refused: the one asked for is the administrator's.
    static QString request() { return Settings::tr("Enter the deactivation password from your administrator:"); }
};

} // namespace

Settings::Settings(QWidget* parent)
    : QWidget(parent), feedback(new Feedback), pagSelection(new PagSelection), notification(new Notification),
      peerDevices(new PeerDevices), ui(std::make_unique<Ui::Settings>()), signOutWait(QStringLiteral("sign-out"), this),
      deactivationWait(QStringLiteral("deactivation"), this),
      listings{{{PagSelectionPage, pagSelection, &Settings::getPagList,
                 new AnswerWait(QStringLiteral("gateway listing"), this)},
                {NotificationPage, notification, &Settings::getViolationList,
                 new AnswerWait(QStringLiteral("findings listing"), this)},
                {PeerDevicesPage, peerDevices, &Settings::getPeerList,
                 new AnswerWait(QStringLiteral("peer listing"), this)}}},
      preferenceWait(new AnswerWait(QStringLiteral("gateway preference"), this))
{
    ui->setupUi(this);
    signOutWait.setObjectName(QStringLiteral("signOutWait"));
    deactivationWait.setObjectName(QStringLiteral("deactivationWait"));
    connect(&signOutWait, &AnswerWait::expired, this, &Settings::answerNotHeard);
    connect(&deactivationWait, &AnswerWait::expired, this, &Settings::answerNotHeard);

    setStyleSheet(QStringLiteral("background-color: #FFF; color: #000; font: 14px \"Ubuntu\";"));
    applyThemeColors(ui->titleBar, StyleTemplate::titleBar);
    applyThemeColors(ui->scrollArea, StyleTemplate::scrollBar);
    ui->scrollArea->setFrameShape(QFrame::NoFrame);

    ui->version->setText(brand().appVersion);
    ui->pagName->installEventFilter(this);
    // Rows appear as the agent fills them, so none shows an empty value. A value takes the room its row leaves
    // beside the caption and wraps within it: its longest unbroken piece never sets the width of the page.
    for (const auto& [value, caption] : {std::pair{ui->wan, ui->wanLabel},
                                         {ui->externalIP, ui->externalIPLabel},
                                         {ui->pagIP, ui->pagIPLabel},
                                         {ui->assignedIP, ui->assignedIPLabel},
                                         {ui->edrStatus, ui->edrStatusLabel},
                                         {ui->deviceName, ui->deviceNameLabel},
                                         {ui->userEmail, ui->userEmailLabel}}) {
        value->setSizePolicy(QSizePolicy::Ignored, value->sizePolicy().verticalPolicy());
        setRow(value, caption, QString());
    }

    if (restrictedEdition())
        ui->userEmailLabel->setText(tr("User"));
    if (isNovalume()) {
        ui->testConnectivityWidget->setEnabled(false);
        ui->testConnectivityWidget->hide();
    }
    ui->uptime->hide();
    ui->uptimeLabel->hide();
    ui->statusMessage->hide();
    (new Herald(this))->follow(ui->statusMessage);
    // Read by its title when the keyboard comes to the page, at Back. The title bar is what is named: a whole page
    // named would have a screen reader read every row's value that has three words or more as well.
    AssistiveRoles::nameScreen(ui->titleBar, ui->settingsLabel->text());
    AssistiveRoles::markArrangement(ui->settingsStack);
    // Each row is one stop for the keyboard and one object for a screen reader: its caption. The value beside the
    // gateway's caption is told as the caption's description.
    for (QPushButton* repetition :
         {ui->pagName, ui->pagButton, ui->notificationButton, ui->peerListButton, ui->feedBackButton,
          ui->supportReportButton, ui->resetDeviceButton, ui->signOutIcon})
        AccessibleRows::hideRepetition(repetition);
    ui->bottomNavBar->hide();
    ui->cleanUp->hide();
    ui->legal->setVisible(brand().displayName == QLatin1String("Kivora") ||
                          brand().displayName == QLatin1String("Lumidor"));
    if (restrictedEdition()) {
        ui->bottomNavBar->setEnabled(false);
        ui->bottomNavBar->hide();
        ui->edrStatus->hide();
        ui->edrStatusLabel->hide();
    }

    vexaintf* agent = vexaintf::instance();
    connect(ui->backButton, &QPushButton::clicked, this, &Settings::backClicked);
    ScreenLook::escapeGoesBack(this, ui->backButton);
    connect(ui->deactivateButton, &QPushButton::clicked, this, &Settings::resetButtonClicked);
    connect(ui->resetDeviceButton, &QPushButton::clicked, this, &Settings::resetButtonClicked);
    connect(ui->pagButton, &QPushButton::clicked, this, &Settings::goPAGSelection);
    connect(ui->pagName, &QPushButton::clicked, this, &Settings::goPAGSelection);
    connect(ui->pagNameLabel, &QPushButton::clicked, this, &Settings::goPAGSelection);
    connect(ui->feedBackButton, &QPushButton::clicked, this, &Settings::feedBackbuttonClicked);
    connect(ui->feedBackLabel, &QPushButton::clicked, this, &Settings::feedBackbuttonClicked);
    connect(ui->supportReportButton, &QPushButton::clicked, this, &Settings::supportReportRequested);
    connect(ui->supportReportLabel, &QPushButton::clicked, this, &Settings::supportReportRequested);
    connect(ui->signOutButton, &QPushButton::clicked, this, &Settings::signOutButtonClicked);
    connect(ui->signOutIcon, &QPushButton::clicked, this, &Settings::signOutButtonClicked);
    connect(ui->eulaLink, &QPushButton::clicked, this, &Settings::openEulaLink);
    connect(ui->tosLink, &QPushButton::clicked, this, &Settings::openTosLink);
    connect(ui->privacyPolicyLink, &QPushButton::clicked, this, &Settings::openPrivacyPolicy);
    connect(ui->tryMeLink, &QPushButton::clicked, this, &Settings::openTryMe);
    connect(ui->notificationButton, &QPushButton::clicked, this, &Settings::goNotification);
    connect(ui->notificationLabel, &QPushButton::clicked, this, &Settings::goNotification);
    connect(ui->peerListButton, &QPushButton::clicked, this, &Settings::goPeerListing);
    connect(ui->peerListLabel, &QPushButton::clicked, this, &Settings::goPeerListing);
    connect(this, &Settings::getPagList, agent, &vexaintf::getPAGList);
    connect(this, &Settings::getViolationList, agent, &vexaintf::getViolationList);
    connect(this, &Settings::getPeerList, agent, &vexaintf::getPeerList);

    connect(feedback, &Feedback::goSettings, this, &Settings::goSettings);
    connect(pagSelection, &PagSelection::goSettings, this, &Settings::goSettings);
    connect(notification, &Notification::goSettings, this, &Settings::goSettings);
    connect(peerDevices, &PeerDevices::goSettings, this, &Settings::goSettings);
    connect(pagSelection, &PagSelection::goMainWin, this, &Settings::backClicked);
    connect(this, &Settings::feedbackResponse, feedback, &Feedback::processResponse);
    connect(feedback, &Feedback::filed, this, [this] {
        if (ui->settingsStack->currentIndex() == FeedbackPage)
            showSubScreen(ListPage);
    });
    connect(feedback, &Feedback::notice, this, &Settings::feedbackNotice);
    connect(this, &Settings::listPags, pagSelection, &PagSelection::listPags);
    connect(this, &Settings::listViolations, notification, &Notification::listViolations);
    connect(this, &Settings::listPeers, peerDevices, &PeerDevices::listPeers);
    connect(feedback, &Feedback::startSpinner, this, &Settings::startSpinner);
    connect(feedback, &Feedback::stopSpinner, this, &Settings::stopSpinner);
    connect(notification, &Notification::stopSpinner, this, &Settings::stopSpinner);
    connect(pagSelection, &PagSelection::stopSpinner, this, &Settings::stopSpinner);
    connect(peerDevices, &PeerDevices::stopSpinner, this, &Settings::stopSpinner);
    for (Listing& listing : listings) {
        connect(listing.wait, &AnswerWait::expired, this, [this, &listing] {
            listing.screen->showInformation(AnswerWait::silenceText());
            emit stopSpinner();
        });
    }
    connect(pagSelection, &PagSelection::needsListing, this,
            [this] { listingOn(PagSelectionPage)->askWhenLinkReturns = true; });
    connect(pagSelection, &PagSelection::setPrefPag, this, &Settings::waitForPreference);
    connect(preferenceWait, &AnswerWait::expired, this, &Settings::preferenceNotHeard);

    ui->settingsStack->insertWidget(FeedbackPage, feedback);
    ui->settingsStack->insertWidget(PagSelectionPage, pagSelection);
    ui->settingsStack->insertWidget(NotificationPage, notification);
    ui->settingsStack->insertWidget(PeerDevicesPage, peerDevices);
}

Settings::~Settings() = default;

// ---- filling the page

void Settings::setRow(QLabel* value, QLabel* caption, const QString& text)
{
    if (text.isEmpty()) {
        caption->hide();
        value->hide();
        return;
    }
    // The caption's own width, not its current geometry: the page is filled before it is ever laid out. Widths
    // are those of the label's own font, so a blank goes only where the text would really overflow.
    caption->ensurePolished();
    value->ensurePolished();
    const int available = window()->width() - caption->sizeHint().width() - rowMargins;
    // A row the tunnel brings back shows its old value again: it is not wrapped a second time.
    FittedText& shown = fittedTexts[value];
    if (shown.text != text || shown.width != available || shown.font != value->font()) {
        shown = {text, available, value->font()};
        value->setText(insertBreakBlanks(text, available, value->font()));
    }
    value->show();
    caption->show();
}

void Settings::updateInfo(const AgentInfo& info, const AgentInfo* previous)
{
    // The same snapshot again, over rows that still show the last one: every step would write what is there.
    if (previous && rowsShowLastInfo && lastInfo && info == *previous && info == *lastInfo)
        return;
    if (!previous || info.activationState != previous->activationState) {
        if (info.activationState == 1) {
            ui->feedbackRow->show();
        } else {
            ui->feedbackRow->hide();
            ui->dpmWidget->hide();
        }
    }
    // From this snapshot alone, as a window that just started would show it: the section must not wait for a
    // reconnection to appear after the device is enrolled.
    const bool peerRuleApplies = info.secconn.enabled && !info.email.isEmpty();
    ui->peerWidget->setVisible(info.activationState == 1 && (!peerRuleApplies || info.secconn.peerDiscoveryAllowed));

    fillSessionRows(info, previous);
    pagSelection->setTunnelUp(info.secconn.status == secconnConnected);
    fillAccountRows(info, previous);

    if (!previous || info.secconn.tryMe != previous->secconn.tryMe || tunnelRowsReturn(info, previous)) {
        if (info.secconn.tryMe.isEmpty()) {
            ui->testConnectivityWidget->hide();
            tryMeUrl.clear();
        } else if (!isNovalume()) {
            ui->testConnectivityWidget->show();
            tryMeUrl = info.secconn.tryMe;
        }
    }

    if (!previous || info.deactCfg != previous->deactCfg) {
        switch (info.deactCfg) {
        case 1:
            deactivationPasswordRequired = false;
            ui->cleanUp->show();
            break;
        case 2:
            deactivationPasswordRequired = true;
            ui->cleanUp->show();
            break;
        case 3:
            ui->cleanUp->hide();
            break;
        default:
            break;
        }
    }

    if (hidesTunnelRows(info.secconn.status)) {
        ui->assignedIPLabel->hide();
        ui->assignedIP->hide();
        ui->pagIPLabel->hide();
        ui->pagIP->hide();
        ui->testConnectivityWidget->hide();
    }

    lastInfo = info;
    rowsShowLastInfo = true;
}

void Settings::fillSessionRows(const AgentInfo& info, const AgentInfo* previous)
{
    const SecconnInfo& now = info.secconn;
    const SecconnInfo* before = previous ? &previous->secconn : nullptr;

    if (!info.edrEnabled) {
        ui->edrStatus->hide();
        ui->edrStatusLabel->hide();
    } else if ((!previous || info.edrStatus != previous->edrStatus || !previous->edrEnabled) && !restrictedEdition()) {
        setRow(ui->edrStatus, ui->edrStatusLabel,
               info.edrStatus == secconnConnected ? tr("Connected") : tr("Connecting…"));
    }

    if (!before || now.privateIp != before->privateIp || now.intfName != before->intfName ||
        now.fullTunnelEnabled != before->fullTunnelEnabled) {
        QString wan;
        if (!now.intfName.isEmpty() && !now.privateIp.isEmpty()) {
            //: %1 is a network interface, %2 its address; all of the device's traffic goes through the tunnel.
            const QString full = tr("%1 %2 [FULL]");
            //: %1 is a network interface, %2 its address; only the enterprise's traffic goes through the tunnel.
            const QString split = tr("%1 %2 [SPLIT]");
            wan = (now.fullTunnelEnabled ? full : split).arg(now.intfName, now.privateIp);
        }
        setRow(ui->wan, ui->wanLabel, wan);
    }

    if (!before || now.publicIp != before->publicIp)
        setRow(ui->externalIP, ui->externalIPLabel, now.publicIp);

    if (!before || now.pagName != before->pagName)
        showGatewayName(now.pagName);

    ui->dpmWidget->setVisible(info.dpmEnabled);

    if (now.enabled) {
        ui->pagName->show();
        ui->pagNameLabel->show();
        showGatewayName(now.pagName);
        if (!info.email.isEmpty()) {
            ui->pagButton->setVisible(now.pagSelectionAllowed);
            ui->pagName->setEnabled(now.pagSelectionAllowed);
            ui->pagNameLabel->setEnabled(now.pagSelectionAllowed);
        } else {
            ui->pagButton->hide();
        }
    } else {
        ui->pagNameLabel->hide();
        ui->pagName->hide();
        ui->pagButton->hide();
        ui->bottomNavBar->hide();
    }

    // Rows that a disconnected status hid come back with the tunnel even when their values did not change.
    const bool rowsReturn = tunnelRowsReturn(info, previous);
    if (!before || now.pagIp != before->pagIp || rowsReturn)
        setRow(ui->pagIP, ui->pagIPLabel, now.pagIp);
    if (!before || now.tunnelIp != before->tunnelIp || rowsReturn)
        setRow(ui->assignedIP, ui->assignedIPLabel, now.tunnelIp);
}

void Settings::fillAccountRows(const AgentInfo& info, const AgentInfo* previous)
{
    if (!previous || info.devName != previous->devName) {
        setRow(ui->deviceName, ui->deviceNameLabel, info.devName);
        ui->userDetailsWidget->setVisible(!info.devName.isEmpty());
    }

    userIdMethod = info.userIdMethod;
    switch (userIdMethod) {
    case 4:
    case 5:
        ui->bottomNavBar->hide();
        // An empty address hides the row, so a signed-out user is not shown as still signed in.
        setRow(ui->userEmail, ui->userEmailLabel, info.email);
        if (!info.email.isEmpty())
            ui->userDetailsWidget->show();
        break;
    case 1:
    case 2:
    case 3:
        if (info.activationState == 1 && !restrictedEdition()) {
            ui->bottomNavBar->setMaximumHeight(50);
            ui->bottomNavBar->show();
        }
        if (!info.email.isEmpty()) {
            signInMode = false;
            showSignOutButton(tr("Sign out"));
            ui->userDetailsWidget->show();
            setRow(ui->userEmail, ui->userEmailLabel, info.email);
        } else {
            ui->userEmail->hide();
            ui->userEmailLabel->hide();
            if (info.secconn.enabled) {
                showSignOutButton(tr("Sign in"));
                signInMode = true;
            } else {
                ui->bottomNavBar->hide();
            }
        }
        break;
    default:
        break;
    }

    if (restrictedEdition() && (!previous || info.email != previous->email))
        setRow(ui->userEmail, ui->userEmailLabel, info.email);
}

void Settings::showGatewayName(const QString& name)
{
    // Every snapshot passes here; a screen reader hears the name when it changes.
    if (name != gatewayName) {
        gatewayName = name;
        ui->pagName->setToolTip(plainToolTip(name));
    }
    if (ui->pagNameLabel->accessibleDescription() != name)
        ui->pagNameLabel->setAccessibleDescription(name);
    elideGatewayName();
}

void Settings::elideGatewayName()
{
    // One line, whatever its length: the name gives way in the middle rather than pushing the page wider. Until the
    // row is laid out its room is reckoned from the window's width, as for the other rows.
    QPushButton* button = ui->pagName;
    button->ensurePolished();
    int room = window()->width() - ui->pagNameLabel->sizeHint().width() - ui->pagButton->maximumWidth() - rowMargins;
    if (button->isVisible()) {
        QStyleOptionButton option;
        option.initFrom(button);
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    }
    // Measuring the name is the dear part; the same name in the same room is shortened the same way.
    FittedText& shown = fittedTexts[button];
    if (shown.text == gatewayName && shown.width == room && shown.font == button->font())
        return;
    shown = {gatewayName, room, button->font()};
    button->setText(buttonText(button->fontMetrics().elidedText(gatewayName, Qt::ElideMiddle, room)));
}

bool Settings::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->pagName && event->type() == QEvent::Resize)
        elideGatewayName();
    return QWidget::eventFilter(watched, event);
}

void Settings::showSignOutButton(const QString& text)
{
    ui->signOutButton->setText(text);
    ui->signOutButton->setMaximumSize(10000, 66);
    ui->signOutButton->setMinimumSize(0, 66);
}

// The sections as a page shows them before any snapshot; the agent's state narrows them down from there.
void Settings::showDefaultSections()
{
    rowsShowLastInfo = false;
    ui->feedbackRow->show();
    ui->userDetailsWidget->show();
    ui->sessionDetails->show();
    ui->dpmWidget->show();
    ui->peerWidget->show();
    ui->pagButton->show();
    ui->testConnectivityWidget->setVisible(!isNovalume());
    ui->cleanUp->hide();
    ui->bottomNavBar->hide();
}

void Settings::showAgentRows()
{
    // Showing every section would bring back what the agent hid (deactivation not allowed, no sign-out in this
    // edition) until some field happened to change; the last snapshot decides instead, as if it were the first.
    showDefaultSections();
    if (lastInfo)
        updateInfo(*lastInfo, nullptr);
    ui->statusMessage->clear();
    ui->statusMessage->hide();
    feedback->clearAgentUnavailable();
    askAgainForOpenListing();
}

void Settings::hideAgentRows()
{
    // No answer comes over a lost link; the page says why it is back in the user's hands.
    signOutWait.finish(AnswerWait::Ending::LinkLost);
    deactivationWait.finish(AnswerWait::Ending::LinkLost);
    rowsShowLastInfo = false;
    ui->pagButton->hide();
    ui->feedbackRow->hide();
    ui->userDetailsWidget->hide();
    ui->sessionDetails->hide();
    ui->testConnectivityWidget->hide();
    ui->dpmWidget->hide();
    ui->cleanUp->hide();
    ui->bottomNavBar->hide();
    ui->peerWidget->hide();
    // Otherwise the page would just look empty, with no hint why.
    ui->statusMessage->setText(tr("Unable to connect to the application service"));
    ui->statusMessage->show();
    feedback->showAgentUnavailable();
    endWaitsForLostLink();
}

// ---- navigation

void Settings::showSubScreen(int index)
{
    const int leaving = ui->settingsStack->currentIndex();
    if (leaving == index)
        return;
    // A screen left behind waits for nothing: an answer that came now would fill a list nobody looks at, and the
    // next visit asks afresh.
    if (Listing* listing = listingOn(leaving)) {
        listing->wait->finish(AnswerWait::Ending::Left);
        listing->askWhenLinkReturns = false;
    }
    if (leaving == FeedbackPage)
        feedback->stopWaiting();
    // A choice whose outcome nobody is shown any more: it counts only on the home page (see takePreferenceAnswer).
    if (leaving == PagSelectionPage) {
        preferenceWait->finish(AnswerWait::Ending::Left);
        preferenceSentFromScreen = false;
    }
    const QWidget* focus = window()->focusWidget();
    const bool focusLeaves = focus && ui->settingsStack->currentWidget()->isAncestorOf(focus);
    // A page remembers the control it was left from, and Qt would put the keyboard back there. A screen opened again
    // starts at its top, where a screen reader reads its name with the control, unless it puts the keyboard into a
    // field of its own as it shows.
    if (QWidget* remembered = ui->settingsStack->widget(index)->focusWidget(); focusLeaves && remembered)
        remembered->clearFocus();
    ui->settingsStack->setCurrentIndex(index);
    // Back on the list, the keyboard is at the row it went from rather than at the top of the page.
    QWidget* row = index == ListPage ? rowOpening(leaving) : nullptr;
    if (focusLeaves && row && row->isVisibleTo(this))
        row->setFocus(Qt::OtherFocusReason);
}

QWidget* Settings::rowOpening(int page) const
{
    switch (page) {
    case FeedbackPage:
        return ui->feedBackLabel;
    case PagSelectionPage:
        return ui->pagNameLabel;
    case NotificationPage:
        return ui->notificationLabel;
    case PeerDevicesPage:
        return ui->peerListLabel;
    default:
        return nullptr;
    }
}

Settings::Listing* Settings::listingOn(int page)
{
    for (Listing& listing : listings) {
        if (listing.page == page)
            return &listing;
    }
    return nullptr;
}

void Settings::openListing(int index)
{
    showSubScreen(index);
    askForListing(*listingOn(index));
}

void Settings::askForListing(Listing& listing)
{
    // Whatever the screen showed before is not what the agent says now.
    listing.screen->clearListing();
    if (!vexaintf::instance()->isConnected()) {
        listing.screen->showInformation(agentUnavailableText());
        listing.askWhenLinkReturns = true;
        return;
    }
    listing.askWhenLinkReturns = false;
    emit(this->*listing.request)();
    listing.wait->start();
    emit startSpinner(ui->settingsStack->widget(listing.page), false);
}

bool Settings::takesListingAnswer(int page)
{
    // The answer awaited, or one past its deadline while its screen is still in front; any other is stale.
    Listing* listing = listingOn(page);
    const bool awaited = listing->wait->finish();
    if (!awaited && ui->settingsStack->currentIndex() != page)
        return false;
    listing->askWhenLinkReturns = false;
    return true;
}

void Settings::endWaitsForLostLink()
{
    // No answer comes over a dropped link: the screen that waited says why its list stays empty.
    for (Listing& listing : listings) {
        if (listing.wait->finish(AnswerWait::Ending::LinkLost)) {
            listing.screen->showInformation(agentUnavailableText());
            listing.askWhenLinkReturns = true;
        }
    }
    // As for Apply with the link already down: the list comes back with the link, and the choice can be made again.
    // No answer to a choice sent before comes over a new link.
    const bool preferenceAwaited = preferenceWait->finish(AnswerWait::Ending::LinkLost);
    if (std::exchange(preferenceSentFromScreen, false) && preferenceAwaited) {
        pagSelection->showInformation(agentUnavailableText());
        listingOn(PagSelectionPage)->askWhenLinkReturns = true;
    }
}

void Settings::askAgainForOpenListing()
{
    for (Listing& listing : listings) {
        if (std::exchange(listing.askWhenLinkReturns, false) && ui->settingsStack->currentIndex() == listing.page)
            askForListing(listing);
    }
}

void Settings::waitForPreference()
{
    preferenceSentFromScreen = true;
    preferenceWait->start();
    emit startSpinner(pagSelection, true);
}

void Settings::preferenceNotHeard()
{
    emit stopSpinner();
    // Nothing is sent again on its own; the list is still there to apply once more.
    if (preferenceSentFromScreen)
        pagSelection->showChoiceFailure(AnswerWait::silenceText());
}

bool Settings::takePreferenceAnswer(const Response& response)
{
    const bool awaited = preferenceWait->finish();
    if (std::exchange(preferenceSentFromScreen, false)) {
        if (response.code == PagPreferenceFailed)
            pagSelection->showChoiceFailure(tr("Setting the preferred access gateway failed"));
        else
            pagSelection->choiceAccepted();
    }
    return awaited;
}

bool Settings::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange)
        followWindowPages();
    return QWidget::event(event);
}

void Settings::followWindowPages()
{
    disconnect(windowPages);
    auto* pages = qobject_cast<QStackedWidget*>(parentWidget());
    if (!pages)
        return;
    // When the window moves to another page on its own, whatever sub-screen was open is left: the next time the
    // user opens the settings they find the main list, without an old deadline's word on it.
    windowPages = connect(pages, &QStackedWidget::currentChanged, this, [this, pages] {
        if (pages->currentWidget() == this)
            return;
        showSubScreen(ListPage);
        withdrawSilenceText();
    });
}

void Settings::backClicked()
{
    showSubScreen(ListPage);
    emit goHome();
}

void Settings::goSettings()
{
    showSubScreen(ListPage);
}

void Settings::feedBackbuttonClicked()
{
    showSubScreen(FeedbackPage);
}

void Settings::goPAGSelection()
{
    openListing(PagSelectionPage);
}

void Settings::goNotification()
{
    openListing(NotificationPage);
}

void Settings::goPeerListing()
{
    openListing(PeerDevicesPage);
}

void Settings::processFeedbackResponse(Response response)
{
    // A submission that went unanswered may still have been filed: its ticket is the user's to know wherever they
    // are, or they would send the same text again. An answer nobody sent for is taken only in front of the form.
    if (!feedback->expectsAnswer() && ui->settingsStack->currentIndex() != FeedbackPage)
        return;
    emit feedbackResponse(response);
}

void Settings::processPagsResponse(Response response, PAG preferred, QString error)
{
    if (takesListingAnswer(PagSelectionPage))
        emit listPags(response, preferred, error);
}

void Settings::processViolationListResponse(Response response, QString error)
{
    if (takesListingAnswer(NotificationPage))
        emit listViolations(response, error);
}

void Settings::processPeerListResponse(Response response, QString error)
{
    if (takesListingAnswer(PeerDevicesPage))
        emit listPeers(response, error);
}

void Settings::changeNotificationsIcon(bool notify)
{
    // Every listing of the findings passes here: the icons are read from their files once.
    static const QIcon marked(QStringLiteral(":/images/goForwardNotification.png"));
    static const QIcon plain(QStringLiteral(":/images/goForward.png"));
    // What the red mark on the arrow says, told by the row a screen reader reads.
    ScreenLook::showMark(ui->notificationButton, notify ? marked : plain, ui->notificationLabel,
                         notify ? tr("Compliance findings to review") : QString());
}

// ---- links

void Settings::openTosLink()
{
    openLink(brand().termsUrl, this);
}

void Settings::openEulaLink()
{
    openLink(brand().eulaUrl, this);
}

void Settings::openPrivacyPolicy()
{
    openLink(brand().privacyPolicyUrl, this);
}

void Settings::openTryMe()
{
    // The address comes from the agent's port, which another process can hold while the agent is down.
    if (!tryMeUrl.isEmpty())
        openWebLinkFromAgent(tryMeUrl, this);
}

// ---- account actions

bool Settings::agentReachable()
{
    // The link can drop while a question is open; a request written then would be lost without a word.
    if (vexaintf::instance()->isConnected())
        return true;
    showInformation(tr("Unable to connect to the application service"));
    return false;
}

void Settings::showInformation(const QString& text, std::function<void()> afterwards)
{
    ModalDialog::open(new QMessageBox(QMessageBox::Information, brand().displayName, text, QMessageBox::Ok, this),
                      [afterwards = std::move(afterwards)](int) {
                          if (afterwards)
                              afterwards();
                      });
}

void Settings::confirm(const QString& question, std::function<void()> onYes, const QString& consequence)
{
    // Both account questions are asked alike: Yes and No as the platform orders its standard buttons, named in the
    // page's own words so that they match the 'Yes' the question mentions.
    auto* box =
        new QMessageBox(QMessageBox::Warning, brand().displayName, question, QMessageBox::Yes | QMessageBox::No, this);
    box->button(QMessageBox::Yes)->setText(tr("Yes"));
    box->button(QMessageBox::No)->setText(tr("No"));
    if (!consequence.isEmpty()) {
        box->setInformativeText(consequence);
        box->setDefaultButton(QMessageBox::No);
    }
    ModalDialog::open(box, [onYes = std::move(onYes)](int answer) {
        if (answer == QMessageBox::Yes)
            onYes();
    });
}

void Settings::signOutButtonClicked()
{
    if (signInMode) {
        if (userIdMethod == 1)
            emit goAuth();
        else if (userIdMethod >= 2 && userIdMethod <= 5)
            emit goAuthAD();
        return;
    }
    confirm(tr("You are about to sign out. Click 'Yes' to continue."), [this] {
        // An agent message may have taken the page away while the question was open; the question went with it.
        if (!isInFront() || !agentReachable())
            return;
        emit signOut();
        waitForAnswer(signOutWait);
    });
}

void Settings::resetButtonClicked()
{
    if (deactivationPasswordRequired) {
        askForDeactivationPassword();
        return;
    }
    confirm(
        tr("Deactivate this device?"), [this] { requestDeactivation(QString()); },
        tr("The device leaves your organization and Secure Access stops until it is enrolled again."));
}

void Settings::askForDeactivationPassword()
{
    auto* prompt = new PasswordPrompt(this);
    ModalDialog::open(prompt, [this, prompt](int result) {
        const QString password = prompt->textValue();
        if (result == QDialog::Accepted && !password.isEmpty())
            requestDeactivation(password);
    });
}

void Settings::requestDeactivation(const QString& password)
{
    if (!isInFront() || !agentReachable())
        return;
    emit Deactivate(password);
    waitForAnswer(deactivationWait);
}

bool Settings::isInFront() const
{
    const auto* windowStack = qobject_cast<const QStackedWidget*>(parentWidget());
    return (!windowStack || windowStack->currentWidget() == this) && ui->settingsStack->currentIndex() == ListPage;
}

void Settings::waitForAnswer(AnswerWait& wait)
{
    withdrawSilenceText();
    wait.start();
    emit startSpinner(this, true);
}

void Settings::answerNotHeard()
{
    // Any agent message stops the spinner, and another screen's may have taken its place since: only one over this
    // page is this wait's to stop.
    const QList<WaitingSpinnerWidget*> spinners =
        findChildren<WaitingSpinnerWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (std::any_of(spinners.begin(), spinners.end(), [](const QWidget* spinner) { return !spinner->isHidden(); }))
        emit stopSpinner();
    // An agent message took the page away meanwhile: the user waits for nothing here any more.
    if (!isInFront())
        return;
    // Nothing is sent again on its own: the user decides whether to try once more.
    ui->statusMessage->setText(AnswerWait::silenceText());
    ui->statusMessage->show();
}

bool Settings::answerWanted(AnswerWait& wait)
{
    if (wait.finish())
        return true;
    // A user who has moved on would be surprised by an old outcome; one still looking at the page has waited for it.
    if (!isInFront())
        return false;
    withdrawSilenceText();
    return true;
}

void Settings::withdrawSilenceText()
{
    if (ui->statusMessage->text() != AnswerWait::silenceText())
        return;
    ui->statusMessage->clear();
    ui->statusMessage->hide();
}

void Settings::deactivationResult(Response response)
{
    if (!answerWanted(deactivationWait))
        return;
    switch (response.code) {
    case Success:
        emit goActivate();
        // Without a word the user would land on enrollment not knowing why.
        emit deviceDeactivated(tr("This device has been deactivated."));
        break;
    case DeactivationFailed:
        showInformation(tr("Deactivation failed. Please try again or contact your administrator."));
        break;
    case PasswordRequired:
        // The agent wants a password the last snapshot did not ask for: the prompt comes after the box, as for a
        // wrong one.
        showInformation(tr("Password required"), [this] {
            if (isInFront())
                askForDeactivationPassword();
        });
        break;
    case WrongPassword:
        // A mistyped password is typed again: the prompt comes back once the user has read why.
        showInformation(tr("Wrong password"), [this] {
            if (deactivationPasswordRequired && isInFront())
                askForDeactivationPassword();
        });
        break;
    case DeactivationNotAllowed:
        showInformation(tr("Deactivation not allowed"));
        break;
    default:
        break;
    }
}

void Settings::signOutResult(Response response)
{
    if (!answerWanted(signOutWait))
        return;
    if (response.code == Success)
        emit goAuth();
    else if (response.code == SignOutFailed)
        signOutFailed();
}

void Settings::signOutFailed()
{
    showInformation(tr("Sign-out failed"));
}
