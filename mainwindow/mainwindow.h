#pragma once

#include "agent/records.h"
#include "agent/snapshotreader.h"

#include <QJsonObject>
#include <QMainWindow>
#include <QPointer>
#include <QTime>
#include <QTimer>
#include <memory>
#include <optional>

namespace Ui {
class MainWindow;
}
class Activate;
class ActivationPending;
class Herald;
class AuthEmail;
class ServiceCode;
class Settings;
class StatusModel;
class DesktopNotices;
class StatusNotices;
class TrayStatus;
class WaitingSpinnerWidget;
struct Status;
enum class HomePicture;
enum class NoticeKind;
enum class AnswerClaim;

// The one window: the stack of screens, navigation by the user and by the agent's activation state, the Secure
// Access toggle and status line, the tray icon and the restart prompt. Every agent message passes through here; that
// processing is in agentmessages.cpp, the rest in mainwindow.cpp.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Stack pages; navigation code and the agent's activation state refer to them by these numbers.
    enum Page
    {
        HomePage = 0,
        ActivatePage = 1,
        ServiceCodePage = 2,
        PendingPage = 3,
        SettingsPage = 4,
        EmailPage = 5
    };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window normal (not minimised), raised and active: for the tray and for a second start.
    void bringToFront();
    // Sizes the window for a screen with this much room: its fixed size where that fits, otherwise as tall as the
    // room allows with the pages scrolling inside.
    void fitInto(const QRect& available);

signals:
    void setAuthStatus(bool);
    void startUptime();
    void stopUpTime();
    void userAuthResponse(Response response);
    void feedbackResponse(Response response);
    void listPags(Response response, PAG preferred, QString error);
    void listViolations(Response response, QString error);
    void listPeers(Response response, QString error);
    void vexaEventUpdate(AgentInfo info, AgentInfo previous);
    void activationSuccessful();
    void activationError(ResponseType code);
    void verifyActivationError(ResponseType code);
    void clearActivationScreen();
    void secconnChangeToggleState(bool enable);
    void userDeregistration();
    void signInReq();
    void authADReq();
    void changeNotificationsIcon(bool notify);
    void showQRCode(QString code);
    void qrScreenSwitched();
    void activate(ActivationReq request);
    void activateQR(QString code);
    void sendToOtpScreen(ActivationReq request);
    void rebootCancelled();
    // The user chose Quit (tray or window): this window ends, the agent keeps running.
    void quitRequested();
    void verifyAfterResume();

public slots:
    void activateQRThroughCode();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void openSettings();
    void goHome();
    void goAuth();
    void goAuthSignIn();
    void goAuthAD();
    void toggleSwitch(int value);
    void sliderPressed();
    void clearStatusText();
    void processVexaEvent(QJsonObject message);
    AgentInfo parseVexaEvent(QJsonObject message);
    void setActivationScreen();
    void setActivatedScreen();
    void actionTriggered(int action);
    void handleAgentDisconnection();
    void handleAgentConnection();
    void agentDisconnectedNotification();
    void agentConnectedNotification();
    void showAgentRefused(const QString& text);
    void signOut();
    void updateLoadingTime();
    void goToEmailScreen();
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();
    void rebootRequired();

private:
    int currentPage() const;
    void showPage(int page);
    void focusArrivedScreen();
    static QWidget* firstControl(QWidget* screen);
    void updateScreenForAgentState(const AgentInfo& info, bool markActivated);
    void applySnapshot(const AgentInfo& received);
    void dispatchResponse(int messageType, const Response& response, const AgentInfo& info);
    void dispatchActivationResult(const Response& response, const AgentInfo& info);
    AnswerClaim takeActivationAnswer();
    void refuseActivation(ResponseType code);
    void retryHeldCodeLater();
    void retryHeldCode();
    void cancelHeldCodeRetry();
    void tellApprovalDenied();
    void showNetworkAccessNotice(const Response& response);
    void setToggleState(int position);
    void applyToggleStyle(const QString& styleTemplate, const QString& background, const QString& knob);
    void showFindingsMark(bool shown);
    void showStatusMessage(const QString& text, int seconds);
    void stopLoadingAnimation();
    void showNotice(NoticeKind kind, const QString& text, int seconds);
    void openForNotice(NoticeKind kind);
    void checkAfterResume();
    void trayClicked();
    void restartFailed();
    void tellScreensAgentUnavailable();
    void showStatus(const Status& previous, const Status& now);
    void showAgentUnheard(const Status& now);
    void showHomePicture(HomePicture picture);
    void showAttentionReason(const Status& now);
    void offerSecureAccessAfterSignIn();
    static QString secureAccessOffAfterSignIn();
    void requestSecureAccessFromTray(bool on);
    void explainWhereTheWindowWent(bool trayAvailable);
    void giveFocusBack();

    StatusModel* statusModel;
    Herald* herald;
    SnapshotReader snapshotReader;
    StatusNotices* statusNotices;
    TrayStatus* trayStatus;
    DesktopNotices* desktopNotices;
    std::unique_ptr<Ui::MainWindow> ui;
    Settings* settingsScreen;
    Activate* activateScreen;
    ServiceCode* serviceCodeScreen;
    AuthEmail* authEmailScreen;
    ActivationPending* pendingScreen;
    bool pendingApproval = false;
    bool screensReset = false;
    // Built while the link's first attempt still ran: its success is the start the window was built for, not a
    // return after a loss, so nothing is restored or asked for again.
    bool firstAttemptRunning = false;
    QPointer<WaitingSpinnerWidget> spinner;
    bool rebootPromptHeld = false;
    // Asked the agent for its state after a wake-up; "Checking…" stands until its answer.
    bool checkingAfterResume = false;
    std::optional<AgentInfo> currentAgentInfo;
    QTimer* loadingTimer;
    QTime loadingTime;
    bool signInRequested = false;
    bool waitingForData = false;
    QString pendingServiceCode;
    // Why the last connection was not taken for the agent; shown until a real agent answers.
    QString agentRefusal;
    // A problem the status line keeps while it lasts: timed texts give way to it instead of leaving the line empty.
    QString standingStatusText;
    QPointer<QTimer> qrRetryTimer;
    // The control the keyboard was on when a link loss disabled or hid it, and where the keyboard went instead
    // (null: nowhere).
    QPointer<QWidget> focusLostToLink;
    // The window moved to a screen the keyboard is to follow, and an agent message is still setting it up.
    bool screenAwaitsFocus = false;
    QPointer<QWidget> focusLeftHome;
    bool handlingMessage = false;
    QPointer<QWidget> focusAfterLoss;
    bool qrRetryHeld = false;
    std::optional<HomePicture> shownPicture;
    // The look the switch's style sheet was last built for, and the sheet.
    struct ToggleLook
    {
        const QString* styleTemplate = nullptr;
        QString background;
        QString knob;
        QString primary;
        QString secondary;
        bool operator==(const ToggleLook& other) const;
    };
    ToggleLook toggleLook;
    QString toggleStyle;
};
