#pragma once

#include "agent/records.h"
#include "app/answerwait.h"

#include <QFont>
#include <QHash>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class Settings;
}
class AnswerWait;
class Feedback;
class ListingScreen;
class Notification;
class PagSelection;
class PeerDevices;
class QLabel;

// The settings page: what the agent reports about the session and the account, the way to the gateway choice,
// compliance findings, peer devices and feedback (its own stack, indexes 1 to 4), the brand's links, and the
// account actions sign-out/sign-in and deactivation. Rows follow the agent's snapshots field by field.
class Settings : public QWidget
{
    Q_OBJECT
public:
    // Pages of the page's own stack.
    enum SubScreen
    {
        ListPage = 0,
        FeedbackPage = 1,
        PagSelectionPage = 2,
        NotificationPage = 3,
        PeerDevicesPage = 4
    };

    explicit Settings(QWidget* parent = nullptr);
    ~Settings() override;

    // `previous` is the snapshot before this one, null for the first.
    void updateInfo(const AgentInfo& info, const AgentInfo* previous);
    void showAgentRows();
    void hideAgentRows();
    // The agent's answers to the account actions. An answer nobody waits for any more (its wait ended on a link loss
    // or its deadline) is shown only while this page is still the one in front.
    void deactivationResult(Response response);
    void signOutResult(Response response);
    void signOutFailed();
    // The agent answered the gateway preference. The gateway screen tells the outcome while it is still the screen
    // the choice was made on; true when the answer was still awaited, i.e. not past its deadline nor left behind.
    bool takePreferenceAnswer(const Response& response);

signals:
    void goHome();
    void goAuth();
    void goAuthAD();
    void goActivate();
    void signOut();
    void feedbackResponse(Response response);
    void listPags(Response response, PAG preferred, QString error);
    void listViolations(Response response, QString error);
    void listPeers(Response response, QString error);
    // A late feedback answer while the window is out of sight.
    void feedbackNotice(QString text);
    void Deactivate(QString password);
    void getPagList();
    void getViolationList();
    void getPeerList();
    void startSpinner(QWidget* parent, bool disableParent);
    void stopSpinner();
    // Offered in every state of the agent, down and refusing included: that is when the helpdesk most needs it.
    void supportReportRequested();
    // The agent deactivated the device; `notice` says so on the screen the window goes to.
    void deviceDeactivated(QString notice);

public slots:
    void backClicked();
    void feedBackbuttonClicked();
    void goSettings();
    void goPAGSelection();
    void processFeedbackResponse(Response response);
    void processPagsResponse(Response response, PAG preferred, QString error);
    void processViolationListResponse(Response response, QString error);
    void processPeerListResponse(Response response, QString error);
    void openTosLink();
    void openEulaLink();
    void openPrivacyPolicy();
    void openTryMe();
    void signOutButtonClicked();
    void resetButtonClicked();
    void goNotification();
    void changeNotificationsIcon(bool notify);
    void goPeerListing();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One listing a sub-screen shows: the request that fetches it and the wait for its answer.
    struct Listing
    {
        SubScreen page;
        ListingScreen* screen;
        void (Settings::*request)();
        AnswerWait* wait;
        // Open without its listing since the link dropped: asked for once when the link is back.
        bool askWhenLinkReturns = false;
    };

    void showSubScreen(int index);
    // The caption button on the list page that opens the sub-screen; null for the list page.
    QWidget* rowOpening(int page) const;
    void openListing(int index);
    Listing* listingOn(int page);
    void askForListing(Listing& listing);
    bool takesListingAnswer(int page);
    void endWaitsForLostLink();
    void askAgainForOpenListing();
    void waitForPreference();
    void preferenceNotHeard();
    void followWindowPages();
    void showGatewayName(const QString& name);
    void elideGatewayName();
    void setRow(QLabel* value, QLabel* caption, const QString& text);
    void showDefaultSections();
    void fillSessionRows(const AgentInfo& info, const AgentInfo* previous);
    void fillAccountRows(const AgentInfo& info, const AgentInfo* previous);
    void showSignOutButton(const QString& text);
    bool agentReachable();
    bool isInFront() const;
    void requestDeactivation(const QString& password);
    void waitForAnswer(AnswerWait& wait);
    void answerNotHeard();
    bool answerWanted(AnswerWait& wait);
    void withdrawSilenceText();
    void showInformation(const QString& text, std::function<void()> afterwards = {});
    // With a `consequence`, it is said under the question and No is the default: Return must not do what cannot be
    // undone from here.
    void confirm(const QString& question, std::function<void()> onYes, const QString& consequence = QString());
    void askForDeactivationPassword();

    Feedback* feedback;
    PagSelection* pagSelection;
    Notification* notification;
    PeerDevices* peerDevices;
    QString tryMeUrl;
    // As the agent named it; the button shows it shortened to fit.
    QString gatewayName;
    std::unique_ptr<Ui::Settings> ui;
    int userIdMethod = 0;
    bool signInMode = false;
    bool deactivationPasswordRequired = false;
    // Kept so that a reconnection can derive the sections from what the agent last said, and so that the same
    // snapshot again changes nothing.
    std::optional<AgentInfo> lastInfo;
    // False while the sections show something else than lastInfo made of them (the link went down meanwhile).
    bool rowsShowLastInfo = false;
    // What a row's value or the gateway name on screen was fitted from: the text as the agent sent it, and the room
    // and font it was wrapped or shortened for.
    struct FittedText
    {
        QString text;
        int width = -1;
        QFont font;
    };
    QHash<const QWidget*, FittedText> fittedTexts;
    AnswerWait signOutWait;
    AnswerWait deactivationWait;
    std::array<Listing, 3> listings;
    AnswerWait* preferenceWait;
    // A choice went out from the gateway screen and the user is still on it: its answer is told there, even late.
    bool preferenceSentFromScreen = false;
    QMetaObject::Connection windowPages;
};
