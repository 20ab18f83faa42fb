#include "agent/tcpsocket.h"
#include "app/brandprofile.h"
#include "app/currentuser.h"
#include "app/modaldialog.h"
#include "app/startup.h"
#include "app/systemrestart.h"
#include "app/waitingspinnerwidget.h"
#include "settings/settings.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using Changes = QList<QPair<QString, QJsonValue>>;

namespace {
const QString activationState = QStringLiteral("agentinfo.activation_state");
const QString secconnStatus = QStringLiteral("agentinfo.features.secconn.status");
const QString secconnState = QStringLiteral("agentinfo.features.secconn.state");
const QString secconnEnabled = QStringLiteral("agentinfo.features.secconn.enabled");
const QString email = QStringLiteral("agentinfo.user.email");
const QString userIdMethod = QStringLiteral("agentinfo.features.config.user_id_method");
const QString responseType = QStringLiteral("response.type");

BrandProfile profileWith(const char* brandName, int activationType)
{
    BrandProfile profile = brandProfileNamed(QString::fromLatin1(brandName));
    profile.activationType = activationType;
    return profile;
}
int closeAtOnce(QDialog&)
{
    return QDialog::Rejected;
}

// Real dialogs that stay open until clicked, for as long as the object lives.
struct RealDialogs
{
    RealDialogs() { ModalDialog::setAnswerer({}); }
    ~RealDialogs() { ModalDialog::setAnswerer(closeAtOnce); }
};
} // namespace

// Records the URLs the window hands to the desktop, per scheme.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

namespace {

// Laying out and painting what came before posts more of the same; a few rounds leave nothing pending.
void settle()
{
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Everything that would change what the window shows: a widget shown, hidden, restyled, re-laid or repainted.
class ScreenChanges : public QObject
{
public:
    QStringList seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        static const QSet<QEvent::Type> changes = {QEvent::Show,          QEvent::Hide,        QEvent::ShowToParent,
                                                   QEvent::HideToParent,  QEvent::StyleChange, QEvent::LayoutRequest,
                                                   QEvent::UpdateRequest, QEvent::Paint,       QEvent::ToolTipChange,
                                                   QEvent::EnabledChange, QEvent::FontChange,  QEvent::PaletteChange};
        if (watched->isWidgetType() && changes.contains(event->type()))
            seen.append(QStringLiteral("%1 %2").arg(watched->objectName()).arg(int(event->type())));
        return false;
    }
};

} // namespace

class TestMainWindowEvents : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
        // Answers reach screens that report them in message boxes (feedback, deactivation); close each at once.
        ModalDialog::setAnswerer(closeAtOnce);
    }
    void cleanupTestCase() { ModalDialog::setAnswerer({}); }

    void pageFollowsActivationState_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::addColumn<int>("activationType");
        QTest::addColumn<int>("fromState");
        QTest::addColumn<int>("startPage");
        QTest::addColumn<int>("toState");
        QTest::addColumn<int>("expectedPage");
        using P = MainWindow::Page;
        QTest::newRow("zq: not activated shows service ID")
            << "novalume" << 1 << 1 << int(P::HomePage) << 0 << int(P::ServiceCodePage);
        QTest::newRow("other: not activated shows code")
            << "dovrin" << 0 << 1 << int(P::HomePage) << 0 << int(P::ActivatePage);
        // Only an email enrollment's OTP page stays (the email enrollment tests); the sign-in page has nothing left
        // to sign in to.
        QTest::newRow("email: not activated leaves the sign-in page")
            << "dovrin" << 2 << 1 << int(P::EmailPage) << 0 << int(P::ActivatePage);
        QTest::newRow("pending approval")
            << "novalume" << 1 << 0 << int(P::ServiceCodePage) << 2 << int(P::PendingPage);
        QTest::newRow("activated from service ID")
            << "novalume" << 1 << 0 << int(P::ServiceCodePage) << 1 << int(P::HomePage);
        QTest::newRow("activated from pending") << "novalume" << 1 << 2 << int(P::PendingPage) << 1 << int(P::HomePage);
        QTest::newRow("activated keeps settings")
            << "novalume" << 1 << 0 << int(P::SettingsPage) << 1 << int(P::SettingsPage);
        QTest::newRow("unknown state changes nothing")
            << "novalume" << 1 << 1 << int(P::SettingsPage) << 7 << int(P::SettingsPage);
    }
    void pageFollowsActivationState()
    {
        QFETCH(QString, brandName);
        QFETCH(int, activationType);
        QFETCH(int, fromState);
        QFETCH(int, startPage);
        QFETCH(int, toState);
        QFETCH(int, expectedPage);
        ScopedBrandProfile scoped(profileWith(qPrintable(brandName), activationType));
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{activationState, fromState}}));
        h.showPage(startPage);
        h.deliver(agentMessage(0, {{activationState, toState}}));
        QCOMPARE(h.page(), expectedPage);
    }

    // After a deactivation the enrollment screen of every edition says why the device is there.
    void deactivationIsSaidOnTheEnrollmentScreen_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::newRow("QR code") << "novalume";
        QTest::newRow("service ID") << "lumidor";
        QTest::newRow("activation code") << "dovrin";
        QTest::newRow("email") << "kivora";
    }
    void deactivationIsSaidOnTheEnrollmentScreen()
    {
        QFETCH(QString, brandName);
        ScopedBrandProfile scoped(brandProfileNamed(brandName));
        MainWindowHarness h;
        h.window->show();
        h.deliver(agentMessage(0));
        h.showPage(MainWindow::SettingsPage);
        Response deactivated;
        deactivated.code = Success;
        h.window->findChild<Settings*>()->deactivationResult(deactivated);
        h.deliver(agentMessage(0, {{activationState, 0}}));
        QStringList shown;
        for (const QLabel* label : h.window->findChildren<QLabel*>()) {
            if (label->isVisible() && label->text() == QLatin1String("This device has been deactivated."))
                shown << label->objectName();
        }
        QCOMPARE(shown.size(), 1);
    }

    void goHomeWhileApprovalPendingShowsPendingScreen()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{activationState, 0}}));
        h.deliver(agentMessage(0, {{activationState, 2}}));
        QCOMPARE(h.page(), int(MainWindow::PendingPage));
        h.showPage(MainWindow::SettingsPage);
        QMetaObject::invokeMethod(h.window.get(), "goHome");
        QCOMPARE(h.page(), int(MainWindow::PendingPage));
    }

    void lumidorKeepsUnenrolledDeviceOnEnrollment()
    {
        ScopedBrandProfile lumidor(brandProfileNamed(QStringLiteral("lumidor")));
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{activationState, 0}}));
        h.showPage(MainWindow::SettingsPage);
        h.deliver(agentMessage(0, {{activationState, 0}}));
        QCOMPARE(h.page(), int(MainWindow::ServiceCodePage));
        ScopedBrandProfile novalume(brandProfileNamed(QStringLiteral("novalume")));
        h.showPage(MainWindow::SettingsPage);
        h.deliver(agentMessage(0, {{activationState, 0}}));
        QCOMPARE(h.page(), int(MainWindow::SettingsPage));
    }

    void connectionTextAndToggle_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("connecting") << 1 << "Connecting…" << 1;
        QTest::newRow("connected") << 2 << "You're connected!" << 1;
        QTest::newRow("disconnecting") << 3 << "Disconnecting…" << 1;
        QTest::newRow("not connected") << 4 << "You're not connected" << 0;
        QTest::newRow("already in network") << 5 << "You're already in the network" << 1;
        QTest::newRow("unknown") << 0 << "You're not connected" << 0;
    }
    void connectionTextAndToggle()
    {
        QFETCH(int, status);
        QFETCH(QString, text);
        QFETCH(int, position);
        MainWindowHarness h;
        // From the opposite position, so the toggle really has to move.
        h.deliver(agentMessage(0, {{secconnStatus, position == 1 ? 4 : 2}}));
        h.deliver(agentMessage(0, {{secconnStatus, status}}));
        QCOMPARE(h.text("connStatus"), text);
        QCOMPARE(h.toggle()->sliderPosition(), position);
        QVERIFY(!h.widget("toggleSwitchWidget")->isHidden());
        QVERIFY(h.toggle()->styleSheet().contains(position == 1 ? brand().primaryColor : brand().secondaryColor));
        QVERIFY(!h.toggle()->styleSheet().contains(QLatin1String("__")));
    }

    void secureAccessNotOffered_data()
    {
        QTest::addColumn<bool>("edr");
        QTest::addColumn<bool>("isolated");
        QTest::addColumn<bool>("dataAvailable");
        QTest::addColumn<QString>("text");
        QTest::newRow("isolated") << true << true << true << "Your device has been isolated";
        QTest::newRow("subscribed") << true << false << true << "You're subscribed";
        QTest::newRow("no endpoint protection") << false << true << true << "";
        QTest::newRow("waiting for data") << true << true << false << "";
    }
    void secureAccessNotOffered()
    {
        QFETCH(bool, edr);
        QFETCH(bool, isolated);
        QFETCH(bool, dataAvailable);
        QFETCH(QString, text);
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{secconnEnabled, false},
                                   {QStringLiteral("agentinfo.features.edrinfo.enabled"), edr},
                                   {QStringLiteral("agentinfo.ui_alerts.agent_isolated"), isolated},
                                   {QStringLiteral("agentinfo.features.data_available"), dataAvailable}}));
        QCOMPARE(h.text("connStatus"), text);
        QVERIFY(h.widget("toggleSwitchWidget")->isHidden());
    }

    void phaseTextsShowForFiveSeconds_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << "Discovery in progress";
        QTest::newRow("2") << 2 << "Fetching preferred access gateway information";
        QTest::newRow("3") << 3 << "Checking preferred access gateway reachability";
        QTest::newRow("4") << 4 << "Fetching profile";
        QTest::newRow("5") << 5 << "You're already in the network";
        QTest::newRow("6") << 6 << "Creating session";
        QTest::newRow("7") << 7 << "Session timed out";
        QTest::newRow("8") << 8 << "You're connected!";
        QTest::newRow("other") << 9 << "";
    }
    void phaseTextsShowForFiveSeconds()
    {
        QFETCH(int, state);
        QFETCH(QString, text);
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.deliver(agentMessage(0, {{secconnState, state}}));
        QCOMPARE(h.text("statusText"), text);
        const QList<QTimer*> timers = h.window->findChildren<QTimer*>(QStringLiteral("statusClearTimer"));
        QCOMPARE(timers.size(), text.isEmpty() ? 0 : 1);
        if (text.isEmpty())
            return;
        QCOMPARE(timers.first()->interval(), 5000);
        // The same phase again shows nothing new.
        h.deliver(agentMessage(0, {{secconnState, state}}));
        QCOMPARE(h.window->findChildren<QTimer*>(QStringLiteral("statusClearTimer")).size(), 1);
        fireTimers(h.window.get(), QStringLiteral("statusClearTimer"));
        QCOMPARE(h.text("statusText"), QString());
    }

    void authenticationTexts_data()
    {
        QTest::addColumn<int>("adAuthState");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("clearAfterMs");
        QTest::newRow("in progress stays") << 1 << "User authentication is in progress" << 0;
        QTest::newRow("failed") << 2 << "User authentication failed" << 5000;
        QTest::newRow("successful") << 3 << "User authentication successful" << 4000;
        QTest::newRow("unknown clears") << 6 << "" << 0;
    }
    void authenticationTexts()
    {
        QFETCH(int, adAuthState);
        QFETCH(QString, text);
        QFETCH(int, clearAfterMs);
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.user.ad_auth_state"), adAuthState}}));
        QCOMPARE(h.text("statusText"), text);
        const QList<QTimer*> timers = h.window->findChildren<QTimer*>(QStringLiteral("statusClearTimer"));
        QCOMPARE(timers.size(), clearAfterMs ? 1 : 0);
        if (clearAfterMs)
            QCOMPARE(timers.first()->interval(), clearAfterMs);
    }

    void notificationIconFollowsViolations()
    {
        MainWindowHarness h;
        QSignalSpy icon(h.window.get(), &MainWindow::changeNotificationsIcon);
        const QString notify = QStringLiteral("agentinfo.features.dpminfo.notify_violation");
        h.deliver(agentMessage(0, {{notify, false}}));
        h.deliver(agentMessage(0, {{notify, true}}));
        h.deliver(agentMessage(0, {{notify, true}}));
        QCOMPARE(icon.size(), 2);
        QCOMPARE(icon.at(0).at(0).toBool(), false);
        QCOMPARE(icon.at(1).at(0).toBool(), true);
        // A violation listing marks the findings as seen.
        h.deliver(agentMessage(12, {{notify, true}, {responseType, 0}}));
        QCOMPARE(icon.last().at(0).toBool(), false);
    }

    void emailSignInIsRequestedOnce()
    {
        ScopedBrandProfile scoped(profileWith("dovrin", 0));
        MainWindowHarness h;
        QSignalSpy signIn(h.window.get(), &MainWindow::signInReq);
        h.deliver(agentMessage(0, {{email, QStringLiteral("ann@acme.example")}, {userIdMethod, 1}}));
        QCOMPARE(h.page(), int(MainWindow::HomePage));
        QCOMPARE(signIn.size(), 0);

        h.deliver(agentMessage(0, {{email, QString()}, {userIdMethod, 1}}));
        QCOMPARE(h.page(), int(MainWindow::EmailPage));
        QCOMPARE(signIn.size(), 1);
        h.deliver(agentMessage(0, {{email, QString()}, {userIdMethod, 1}}));
        h.showPage(MainWindow::SettingsPage);
        h.deliver(agentMessage(0, {{email, QString()}, {userIdMethod, 1}}));
        QCOMPARE(signIn.size(), 1);

        // Signed in again: back home from wherever sign-in left the user.
        h.showPage(MainWindow::EmailPage);
        h.deliver(agentMessage(0, {{email, QStringLiteral("ann@acme.example")}, {userIdMethod, 1}}));
        QCOMPARE(h.page(), int(MainWindow::HomePage));
    }

    void serviceIdEditionNeverAsksForEmail()
    {
        MainWindowHarness h;
        QSignalSpy signIn(h.window.get(), &MainWindow::signInReq);
        h.deliver(agentMessage(0, {{email, QString()}, {userIdMethod, 1}}));
        QCOMPARE(signIn.size(), 0);
        QCOMPARE(h.page(), int(MainWindow::HomePage));
    }

    void dataAvailabilityDrivesLoadingAnimation()
    {
        MainWindowHarness h;
        const QString dataAvailable = QStringLiteral("agentinfo.features.data_available");
        h.deliver(agentMessage(0, {{dataAvailable, false}, {secconnStatus, 2}}));
        QCOMPARE(h.page(), int(MainWindow::HomePage));
        auto* loading = h.window->findChild<QTimer*>();
        Q_UNUSED(loading);
        // The connection fields read as idle while the agent has no data.
        QVERIFY(h.widget("toggleSwitchWidget")->isHidden());
        QCOMPARE(h.text("connStatus"), QString());
        QStringList shown;
        for (int tick = 0; tick < 5; ++tick) {
            QMetaObject::invokeMethod(h.window.get(), "updateLoadingTime");
            shown << h.text("statusText");
        }
        QCOMPARE(shown, QStringList({"Fetching information.  ", "Fetching information.. ", "Fetching information...",
                                     "Fetching information   ", "Fetching information.  "}));
        h.deliver(agentMessage(0, {{dataAvailable, true}, {secconnStatus, 2}}));
        QCOMPARE(h.text("statusText"), QString());
        QCOMPARE(h.text("connStatus"), QStringLiteral("You're connected!"));
    }

    void anyMessageStopsTheSpinner()
    {
        MainWindowHarness h;
        QWidget* covered = h.widget("connPage");
        QMetaObject::invokeMethod(h.window.get(), "startSpinner", Q_ARG(QWidget*, covered), Q_ARG(bool, true));
        auto* spinner = covered->findChild<WaitingSpinnerWidget*>();
        QVERIFY(spinner && spinner->isSpinning());
        QVERIFY(!covered->isEnabled());
        // Only one wait indicator at a time, whoever asks.
        QMetaObject::invokeMethod(h.window.get(), "startSpinner", Q_ARG(QWidget*, h.widget("settingsWidget")),
                                  Q_ARG(bool, false));
        QVERIFY(!h.widget("settingsWidget")->findChild<WaitingSpinnerWidget*>());
        h.deliver(QJsonObject{{QStringLiteral("type"), 99}});
        QVERIFY(!spinner->isSpinning());
        QVERIFY(covered->isEnabled());
    }

    void overLongLineStopsTheSpinner()
    {
        MainWindowHarness h;
        h.link.socket()->setMaxLineLength(64);
        QWidget* covered = h.widget("connPage");
        QMetaObject::invokeMethod(h.window.get(), "startSpinner", Q_ARG(QWidget*, covered), Q_ARG(bool, true));
        // A stopped spinner deletes itself.
        const QPointer<WaitingSpinnerWidget> spinner = covered->findChild<WaitingSpinnerWidget*>();
        QVERIFY(spinner);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("longer than 64 bytes")));
        h.agent.send("{\"type\":1,\"pad\":\"" + QByteArray(100, 'p') + "\"}\n");
        QTRY_VERIFY(!spinner || !spinner->isSpinning());
        QVERIFY(covered->isEnabled());
    }

    // A listener that is not the agent is named on the status line until a real agent answers.
    void refusedListenerIsNamedUntilTheAgentAnswers()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.drop();
        const QString refusal =
            QStringLiteral("Connection refused: the application service port is held by another user (mallory)");
        emit h.link.agentRefused(refusal);
        QCOMPARE(h.text("statusText"), refusal);
        h.restore();
        QCOMPARE(h.text("statusText"), QString());
    }

    void agentTextsArePlainText()
    {
        MainWindowHarness h;
        const QString markup = QStringLiteral("<b>Acme</b> <img src=x>");
        h.deliver(agentMessage(11, {{QStringLiteral("agentinfo.ent_name"), markup},
                                    {responseType, 28},
                                    {QStringLiteral("response.notification.net_access.type"), 1},
                                    {QStringLiteral("response.notification.net_access.blocked_subnets"), markup}}));
        QStringList showing;
        for (const QLabel* label : h.window->findChildren<QLabel*>()) {
            if (!label->text().contains(markup))
                continue;
            showing << label->objectName();
            QCOMPARE(label->textFormat(), Qt::PlainText);
        }
        for (const char* name : {"authText", "enterpriseName", "statusText"})
            QVERIFY2(showing.contains(QLatin1String(name)), name);
    }

    void dispatchRaisesTheRightSignal_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("from");
        using P = MainWindow::Page;
        QTest::newRow("activation 22") << 1 << 22 << QByteArray(SIGNAL(verifyActivationError(ResponseType)))
                                       << int(P::PendingPage) << int(P::HomePage);
        QTest::newRow("status 20") << 2 << 20 << QByteArray(SIGNAL(verifyActivationError(ResponseType)))
                                   << int(P::PendingPage) << int(P::HomePage);
        QTest::newRow("status 22") << 2 << 22 << QByteArray(SIGNAL(verifyActivationError(ResponseType)))
                                   << int(P::PendingPage) << int(P::HomePage);
        QTest::newRow("user registration")
            << 4 << 5 << QByteArray(SIGNAL(userAuthResponse(Response))) << int(P::HomePage) << int(P::HomePage);
        QTest::newRow("user activation 15")
            << 6 << 15 << QByteArray(SIGNAL(userAuthResponse(Response))) << int(P::ServiceCodePage) << int(P::HomePage);
        // The sign-out's answer belongs to the settings page, which hears it while in front.
        QTest::newRow("sign-out") << 5 << 0 << QByteArray(SIGNAL(signInReq())) << int(P::EmailPage)
                                  << int(P::SettingsPage);
        QTest::newRow("feedback") << 7 << 13 << QByteArray(SIGNAL(feedbackResponse(Response))) << int(P::HomePage)
                                  << int(P::HomePage);
        QTest::newRow("gateways") << 9 << 0 << QByteArray(SIGNAL(listPags(Response, PAG, QString))) << int(P::HomePage)
                                  << int(P::HomePage);
        QTest::newRow("gateways failed") << 9 << 24 << QByteArray(SIGNAL(listPags(Response, PAG, QString)))
                                         << int(P::HomePage) << int(P::HomePage);
        QTest::newRow("violations") << 12 << 0 << QByteArray(SIGNAL(listViolations(Response, QString)))
                                    << int(P::HomePage) << int(P::HomePage);
        QTest::newRow("violations failed") << 12 << 29 << QByteArray(SIGNAL(listViolations(Response, QString)))
                                           << int(P::HomePage) << int(P::HomePage);
        QTest::newRow("peers") << 14 << 0 << QByteArray(SIGNAL(listPeers(Response, QString))) << int(P::HomePage)
                               << int(P::HomePage);
        QTest::newRow("peers failed") << 14 << 34 << QByteArray(SIGNAL(listPeers(Response, QString)))
                                      << int(P::HomePage) << int(P::HomePage);
    }
    void dispatchRaisesTheRightSignal()
    {
        QFETCH(int, type);
        QFETCH(int, code);
        QFETCH(QByteArray, signal);
        QFETCH(int, page);
        QFETCH(int, from);
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.showPage(from);
        QSignalSpy spy(h.window.get(), signal.constData());
        h.deliver(agentMessage(type, {{responseType, code}}));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(h.page(), page);
    }

    void userActivatedReachesTheActivatedScreen_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("startPage");
        QTest::addColumn<bool>("approvalPending");
        QTest::addColumn<int>("expectedPage");
        using P = MainWindow::Page;
        for (int type : {4, 6}) {
            QTest::addRow("%d from the email page", type) << type << int(P::EmailPage) << false << int(P::HomePage);
            QTest::addRow("%d while approval is pending", type)
                << type << int(P::EmailPage) << true << int(P::PendingPage);
            QTest::addRow("%d keeps the settings page", type)
                << type << int(P::SettingsPage) << false << int(P::SettingsPage);
            QTest::addRow("%d stays home", type) << type << int(P::HomePage) << false << int(P::HomePage);
        }
    }
    void userActivatedReachesTheActivatedScreen()
    {
        QFETCH(int, type);
        QFETCH(int, startPage);
        QFETCH(bool, approvalPending);
        QFETCH(int, expectedPage);
        ScopedBrandProfile scoped(profileWith("dovrin", 0));
        MainWindowHarness h;
        if (approvalPending)
            h.deliver(agentMessage(0, {{activationState, 2}}));
        h.deliver(agentMessage(0, {{activationState, approvalPending ? 2 : 1}}));
        h.showPage(startPage);
        QSignalSpy toScreens(h.window.get(), &MainWindow::userAuthResponse);
        h.deliver(agentMessage(type, {{activationState, approvalPending ? 2 : 1}, {responseType, 9}}));
        QCOMPARE(toScreens.size(), 1);
        QCOMPARE(h.page(), expectedPage);
    }

    void listingsCarryTheirPayload()
    {
        MainWindowHarness h;
        QSignalSpy pags(h.window.get(), &MainWindow::listPags);
        QSignalSpy violations(h.window.get(), &MainWindow::listViolations);
        QSignalSpy peers(h.window.get(), &MainWindow::listPeers);
        QJsonObject listing = agentMessage(9, {{responseType, 0}});
        setJsonPath(listing, QStringLiteral("response.pag_listing.pags"),
                    QJsonArray() << QJsonObject{{"id", "pag-a"}} << QJsonObject{{"id", "pag-b"}});
        h.deliver(listing);
        const Response gateways = pags.at(0).at(0).value<Response>();
        QCOMPARE(gateways.pags.size(), 2);
        QCOMPARE(gateways.pags.at(1).id, QStringLiteral("pag-b"));
        QCOMPARE(pags.at(0).at(1).value<PAG>().id, QStringLiteral("pag-fra-1"));
        QCOMPARE(pags.at(0).at(2).toString(), QString());

        h.deliver(agentMessage(9, {{responseType, 24}}));
        QCOMPARE(pags.at(1).at(2).toString(), QStringLiteral("Listing the preferred access gateways failed"));
        QVERIFY(pags.at(1).at(0).value<Response>().pags.isEmpty());
        QCOMPARE(h.text("statusText"), QStringLiteral("Listing the preferred access gateways failed"));

        h.deliver(agentMessage(12, {{responseType, 29}}));
        QCOMPARE(violations.at(0).at(1).toString(), QStringLiteral("Getting notifications failed"));
        h.deliver(agentMessage(14, {{responseType, 34}}));
        QCOMPARE(peers.at(0).at(1).toString(), QStringLiteral("Listing peer devices failed"));
    }

    void statusTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("seconds");
        QTest::newRow("not subscribed") << 9 << 25 << "You're not subscribed to the secure connection" << 4;
        QTest::newRow("preference failed") << 10 << 26 << "Setting the preferred access gateway failed" << 5;
        QTest::newRow("preference ok") << 10 << 0 << "" << 0;
    }
    void statusTexts()
    {
        QFETCH(int, type);
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(int, seconds);
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.deliver(agentMessage(type, {{responseType, code}}));
        QCOMPARE(h.text("statusText"), text);
        const QList<QTimer*> timers = h.window->findChildren<QTimer*>(QStringLiteral("statusClearTimer"));
        QCOMPARE(timers.size(), seconds ? 1 : 0);
        if (seconds)
            QCOMPARE(timers.first()->interval(), seconds * 1000);
    }

    void networkAccessNotices_data()
    {
        QTest::addColumn<int>("accessType");
        QTest::addColumn<qint64>("blockTime");
        QTest::addColumn<QString>("subnets");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("locale");
        // 13:05:09 today on the test's UTC clock, and the same time tomorrow.
        const QDateTime today(QDate::currentDate(), QTime(13, 5, 9), Qt::UTC);
        const qint64 fivePastOne = today.toSecsSinceEpoch();
        const QString tomorrow = today.date().addDays(1).toString(QStringLiteral("dd/MM/yyyy"));
        QTest::newRow("blocked") << 1 << qint64(0) << ""
                                 << "Internet access is blocked." << 8 << "C";
        QTest::newRow("subnet blocked") << 1 << qint64(0) << "10.8.0.0/16"
                                        << "Access to the network address 10.8.0.0/16 has been blocked." << 8 << "C";
        // The time as the user's locale writes it, without seconds.
        QTest::newRow("will be blocked") << 2 << fivePastOne << ""
                                         << "Internet access will be blocked at 13:05." << 5 << "en_GB";
        QTest::newRow("will be blocked, 12-hour clock")
            << 2 << fivePastOne << ""
            << "Internet access will be blocked at 1:05 PM." << 5 << "en_US";
        QTest::newRow("subnet will be blocked")
            << 2 << fivePastOne << "10.8.0.0/16"
            << "Access to the network address 10.8.0.0/16 will be blocked at 13:05." << 5 << "en_GB";
        // A block announced a day ahead says which day.
        QTest::newRow("blocked tomorrow")
            << 2 << fivePastOne + 24 * 3600 << ""
            << "Internet access will be blocked at " + tomorrow + " 13:05." << 5 << "en_GB";
        QTest::newRow("negative block time") << 2 << qint64(-5) << ""
                                             << "" << 0 << "C";
        QTest::newRow("enabled") << 3 << qint64(0) << ""
                                 << "Internet access is enabled." << 3 << "C";
        QTest::newRow("unknown") << 4 << qint64(0) << ""
                                 << "" << 0 << "C";
    }
    void networkAccessNotices()
    {
        QFETCH(int, accessType);
        QFETCH(qint64, blockTime);
        QFETCH(QString, subnets);
        QFETCH(QString, status);
        QFETCH(int, seconds);
        QFETCH(QString, locale);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const auto restoreLocale = qScopeGuard([&before] { QLocale::setDefault(before); });
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.deliver(agentMessage(11, {{responseType, 28},
                                    {QStringLiteral("response.notification.net_access.type"), accessType},
                                    {QStringLiteral("response.notification.net_access.block_time_unix"), blockTime},
                                    {QStringLiteral("response.notification.net_access.blocked_subnets"), subnets}}));
        QCOMPARE(h.text("statusText"), status);
        const QList<QTimer*> timers = h.window->findChildren<QTimer*>(QStringLiteral("statusClearTimer"));
        QCOMPARE(timers.size(), seconds ? 1 : 0);
        if (seconds)
            QCOMPARE(timers.first()->interval(), seconds * 1000);
    }

    void activationTimers()
    {
        MainWindowHarness h;
        QSignalSpy qrAgain(h.window.get(), &MainWindow::activateQR);
        h.deliver(agentMessage(13, {{activationState, 0}, {QStringLiteral("response.act_qr_info.code"), "qr-1"}}));
        h.deliver(agentMessage(1, {{activationState, 0}, {responseType, 33}}));
        h.deliver(agentMessage(1, {{activationState, 0}, {responseType, 8}}));
        // One retry is pending, however many answers asked for one.
        QList<QTimer*> retries = h.window->findChildren<QTimer*>(QStringLiteral("qrRetryTimer"));
        QCOMPARE(retries.size(), 1);
        QCOMPARE(retries.first()->interval(), 5000);
        QCOMPARE(qrAgain.size(), 0);
        fireTimers(h.window.get(), QStringLiteral("qrRetryTimer"));
        QCOMPARE(qrAgain.size(), 1);
        QCOMPARE(qrAgain.at(0).at(0).toString(), QStringLiteral("qr-1"));

        h.deliver(agentMessage(1, {{activationState, 0}, {responseType, 20}}));
        h.deliver(agentMessage(1, {{activationState, 0}, {responseType, 20}}));
        const QList<QTimer*> rechecks = h.window->findChildren<QTimer*>(QStringLiteral("approvalRecheckTimer"));
        QCOMPARE(rechecks.size(), 2);
        QCOMPARE(rechecks.first()->interval(), 300000);
        QCOMPARE(h.page(), int(MainWindow::PendingPage));
    }

    void qrActivationOutcomesOverTheSocket_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("request");
        const QByteArray again("{\"activation_req\":{\"act_qr\":{\"code\":\"qr-held\",\"svc_id\":\"\"},"
                               "\"act_type\":1},\"type\":2}\n");
        QTest::newRow("33 retries with the held code") << 33 << again;
        QTest::newRow("2 retries with the held code") << 2 << again;
        QTest::newRow("8 retries with the held code") << 8 << again;
        QTest::newRow("1 waits for the user") << 1 << QByteArray();
        QTest::newRow("31 waits for the user") << 31 << QByteArray();
    }
    void qrActivationOutcomesOverTheSocket()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, request);
        MainWindowHarness h;
        const auto send = [&h](const QJsonObject& message) {
            h.agent.send(QJsonDocument(message).toJson(QJsonDocument::Compact) + "\n");
        };
        send(agentMessage(13, {{activationState, 0}, {QStringLiteral("response.act_qr_info.code"), "qr-held"}}));
        QTRY_COMPARE(h.page(), int(MainWindow::ServiceCodePage));
        // Drawing the code sends its activation at once.
        QByteArray line;
        do
            line = h.nextRequest(2000);
        while (!line.isEmpty() && !line.contains("activation_req"));
        QVERIFY(line.contains("qr-held"));
        while (!h.nextRequest(100).isEmpty()) {
        }

        send(agentMessage(1, {{activationState, 0}, {responseType, code}}));
        const bool retries = request.contains("activation_req");
        const QString retryTimer = QStringLiteral("qrRetryTimer");
        QTRY_COMPARE(h.window->findChildren<QTimer*>(retryTimer).size(), retries ? 1 : 0);
        if (retries) {
            QVERIFY(h.nextRequest(200).isEmpty());
            QCOMPARE(h.window->findChildren<QTimer*>(retryTimer).first()->interval(), 5000);
            fireTimers(h.window.get(), retryTimer);
        }
        QCOMPARE(h.nextRequest(retries ? 2000 : 300), request);
    }

    void activationAcceptedShowsHome()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{activationState, 0}}));
        QCOMPARE(h.page(), int(MainWindow::ServiceCodePage));
        h.deliver(agentMessage(1, {{activationState, 0}, {responseType, 14}}));
        QCOMPARE(h.page(), int(MainWindow::HomePage));
    }

    void qrCodeFromAnyMessageInThisEdition()
    {
        MainWindowHarness h;
        QSignalSpy shown(h.window.get(), &MainWindow::showQRCode);
        h.deliver(agentMessage(7, {{QStringLiteral("response.act_qr_info.code"), "ab\\\\cd"}}));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).at(0).toString(), QStringLiteral("abcd"));
        ScopedBrandProfile other(profileWith("dovrin", 0));
        MainWindowHarness h2;
        QSignalSpy notShown(h2.window.get(), &MainWindow::showQRCode);
        h2.deliver(agentMessage(13, {{QStringLiteral("response.act_qr_info.code"), "abcd"}}));
        QCOMPARE(notShown.size(), 0);
    }

    void browserOpensOnlyWebAddresses_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("opened");
        QTest::newRow("https") << "https://sso.acme.example/login?x=1" << true;
        QTest::newRow("http") << "http://sso.acme.example/" << true;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("local path") << "/usr/bin/xterm" << false;
        QTest::newRow("other scheme") << "smb://host/share" << false;
        QTest::newRow("javascript") << "javascript:alert(1)" << false;
    }
    void browserOpensOnlyWebAddresses()
    {
        QFETCH(QString, url);
        QFETCH(bool, opened);
        UrlCatcher catcher;
        for (const char* scheme : {"http", "https", "file", "smb", "javascript"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
        MainWindowHarness h;
        h.deliver(agentMessage(
            8, {{responseType, 23}, {QStringLiteral("response.authentication_resp.browser_launch_url"), url}}));
        h.deliver(agentMessage(
            8, {{responseType, 0}, {QStringLiteral("response.authentication_resp.browser_launch_url"), url}}));
        QCOMPARE(catcher.opened.size(), opened ? 1 : 0);
        for (const char* scheme : {"http", "https", "file", "smb", "javascript"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    void messagesWithoutSnapshotReadAsNotActivated()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.deliver(QJsonObject{{QStringLiteral("type"), 11}});
        QCOMPARE(h.page(), int(MainWindow::ServiceCodePage));
    }

    // Built while the link's first attempt still runs, as at start-up: a failed attempt reaches the window once, as
    // the link being down, a successful one as the link and nothing more, and an agent that starts later is found.
    void windowBuiltWhileTheFirstAttemptRuns_data()
    {
        QTest::addColumn<bool>("agentAtStart");
        QTest::addColumn<bool>("agentLater");
        QTest::newRow("agent running") << true << false;
        QTest::newRow("no agent") << false << false;
        QTest::newRow("agent starts after the window") << false << true;
    }
    void windowBuiltWhileTheFirstAttemptRuns()
    {
        QFETCH(bool, agentAtStart);
        QFETCH(bool, agentLater);
        const QString unreachable = QStringLiteral("Unable to connect to the application service");
        const quint16 port = closedLoopbackPort();
        auto agent = agentAtStart ? std::make_unique<FakeAgent>(port) : nullptr;
        vexaintf link(port);
        QSignalSpy down(&link, &vexaintf::agentDisconnected);
        link.start();
        QVERIFY(link.isStarting());
        vexaintf::setInstance(&link);
        MainWindow window;
        auto* statusText = window.findChild<QLabel*>(QStringLiteral("statusText"));
        auto* settingsList = window.findChild<QStackedWidget*>(QStringLiteral("settingsStack"))->widget(0);
        auto* settingsStatus = settingsList->findChild<QLabel*>(QStringLiteral("statusMessage"));
        QVERIFY(statusText && settingsStatus);
        QTRY_VERIFY(!link.isStarting());

        if (agentLater) {
            QCOMPARE(statusText->text(), unreachable);
            agent = std::make_unique<FakeAgent>(port);
            // What the pending retry does when it fires.
            link.socket()->Connect();
        }
        const bool up = agentAtStart || agentLater;
        if (up) {
            QVERIFY(agent->waitForClient());
            QCOMPARE(agent->nextLine(), QByteArray("{\"subscribe_req\":{\"username\":\"") + currentUserName().toUtf8() +
                                            "\"},\"type\":1}\n");
            QTRY_VERIFY(link.isConnected());
        }
        QCOMPARE(down.size(), up && !agentLater ? 0 : 1);
        QCOMPARE(statusText->text() == unreachable, !up);
        QCOMPARE(settingsStatus->isHidden() ? QString() : settingsStatus->text(), up ? QString() : unreachable);
        // The start is no reconnection: the requests a link that comes back sends again are not sent.
        if (agentAtStart)
            QCOMPARE(agent->nextLine(300), QByteArray());
        vexaintf::setInstance(nullptr);
    }

    // Nothing the agent says waits for a person: with a real dialog left open (no answerer), later messages read from
    // the socket still change the window.
    void agentHeardWhileADialogStaysOpen_data()
    {
        QTest::addColumn<QString>("dialogText");
        QTest::addColumn<QByteArray>("opener");
        QTest::addColumn<bool>("deEnrolled");
        const QByteArray wrongPassword =
            QJsonDocument(agentMessage(3, {{responseType, 18}})).toJson(QJsonDocument::Compact);
        const QByteArray reboot = QJsonDocument(agentMessage(11, {{responseType, 36}})).toJson(QJsonDocument::Compact);
        const QString rebootText =
            QStringLiteral("Novalume requires a system restart. Click 'OK' to restart the system.");
        QTest::newRow("deactivation result, device de-enrolled") << "Wrong password" << wrongPassword << true;
        QTest::newRow("deactivation result, status line") << "Wrong password" << wrongPassword << false;
        QTest::newRow("reboot prompt, device de-enrolled") << rebootText << reboot << true;
        QTest::newRow("reboot prompt, status line") << rebootText << reboot << false;
    }
    void agentHeardWhileADialogStaysOpen()
    {
        QFETCH(QString, dialogText);
        QFETCH(QByteArray, opener);
        QFETCH(bool, deEnrolled);
        // The service-ID edition that shows the QR code at once: its enrollment screen asks the agent for a code.
        ScopedBrandProfile novalume(brandProfileNamed(QStringLiteral("novalume")));
        RealDialogs dialogs;
        MainWindowHarness h;
        h.window->show();
        h.deliver(agentMessage(0));
        h.showPage(MainWindow::SettingsPage);
        h.agent.send(opener + '\n');
        const auto openDialog = [&]() -> QMessageBox* {
            for (QMessageBox* box : h.window->findChildren<QMessageBox*>()) {
                if (box->isVisible() && box->text() == dialogText)
                    return box;
            }
            return nullptr;
        };
        QTRY_VERIFY(openDialog());

        const QJsonObject later = deEnrolled ? agentMessage(0, {{activationState, 0}})
                                             : agentMessage(0, {{QStringLiteral("agentinfo.user.ad_auth_state"), 1}});
        h.agent.send(QJsonDocument(later).toJson(QJsonDocument::Compact) + '\n');
        if (deEnrolled) {
            QTRY_COMPARE(h.page(), int(MainWindow::ServiceCodePage));
            QCOMPARE(h.nextRequest(), QByteArray("{\"act_qr_info_req\":{},\"type\":13}\n"));
        } else {
            QTRY_COMPARE(h.text("statusText"), QStringLiteral("User authentication is in progress"));
        }
        QVERIFY(openDialog());
    }

    // The restart question with a real dialog: one at a time while it is open, and again after a refusal's pause.
    void rebootPromptOpenHoldsFurtherRequests()
    {
        QList<SystemRestart::Command> restarts;
        SystemRestart::setLauncher([&restarts](const SystemRestart::Command& c) {
            restarts.append(c);
            return true;
        });
        RealDialogs dialogs;
        MainWindowHarness h;
        h.window->show();
        const QByteArray reboot =
            QJsonDocument(agentMessage(11, {{responseType, 36}})).toJson(QJsonDocument::Compact) + '\n';
        const auto prompts = [&] {
            int open = 0;
            for (const QMessageBox* box : h.window->findChildren<QMessageBox*>(QStringLiteral("rebootPrompt")))
                open += box->isVisible() ? 1 : 0;
            return open;
        };
        h.agent.send(reboot);
        QTRY_COMPARE(prompts(), 1);
        h.agent.send(reboot);
        QTest::qWait(50);
        QCOMPARE(prompts(), 1);

        auto* prompt = h.window->findChild<QMessageBox*>(QStringLiteral("rebootPrompt"));
        prompt->button(QMessageBox::Cancel)->click();
        QCOMPARE(h.nextRequest(), QByteArray("{\"type\":15}\n"));
        h.agent.send(reboot);
        QTest::qWait(50);
        QCOMPARE(prompts(), 0);
        QCOMPARE(fireTimers(h.window.get(), QStringLiteral("rebootPromptResetTimer")), 1);
        h.agent.send(reboot);
        QTRY_COMPARE(prompts(), 1);

        // Consent holds every later request until the restart is known to have failed.
        h.window->findChild<QMessageBox*>(QStringLiteral("rebootPrompt"))->button(QMessageBox::Ok)->click();
        QCOMPARE(restarts.size(), 1);
        h.agent.send(reboot);
        QTest::qWait(50);
        QCOMPARE(prompts(), 0);
        QVERIFY(h.nextRequest().isEmpty());
        SystemRestart::setLauncher({});
    }

    // The agent repeats its state many times a second: a snapshot equal to the one before leaves the screen as it
    // is, on whichever page is in front.
    void repeatedSnapshotChangesNothingOnScreen_data()
    {
        using P = MainWindow::Page;
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<int>("page");
        QTest::newRow("connected") << Changes{{secconnStatus, 2}, {secconnState, 8}} << int(P::HomePage);
        QTest::newRow("not connected, settings in front") << Changes{{secconnStatus, 4}} << int(P::SettingsPage);
        QTest::newRow("secure access not offered") << Changes{{secconnEnabled, false}} << int(P::HomePage);
        QTest::newRow("fetching information")
            << Changes{{QStringLiteral("agentinfo.features.data_available"), false}} << int(P::HomePage);
    }
    void repeatedSnapshotChangesNothingOnScreen()
    {
        QFETCH(Changes, changes);
        QFETCH(int, page);
        MainWindowHarness h;
        h.window->show();
        // The second one shows what the first one left for later: the connection while data comes in.
        const QJsonObject snapshot = agentMessage(0, changes);
        h.deliver(snapshot);
        h.deliver(snapshot);
        h.showPage(page);
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        settle();

        ScreenChanges screen;
        qApp->installEventFilter(&screen);
        h.deliver(snapshot);
        QCoreApplication::processEvents();
        qApp->removeEventFilter(&screen);
        QVERIFY2(screen.seen.isEmpty(), qPrintable(screen.seen.join(QStringLiteral(", "))));
    }

    // Each side of the switch shows its own colour in its groove, and a flip repaints the switch without its style
    // sheet being replaced.
    void switchSidesShowTheirColoursWithoutRestyling()
    {
        MainWindowHarness h;
        h.window->show();
        h.deliver(agentMessage(0, {{secconnStatus, 2}}));
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        settle();
        const QImage on = h.toggle()->grab().toImage();

        ScreenChanges screen;
        qApp->installEventFilter(&screen);
        h.deliver(agentMessage(0, {{secconnStatus, 4}}));
        settle();
        qApp->removeEventFilter(&screen);
        const QImage off = h.toggle()->grab().toImage();
        QVERIFY2(!screen.seen.contains(QStringLiteral("toggleButton %1").arg(int(QEvent::StyleChange))),
                 qPrintable(screen.seen.join(QStringLiteral(", "))));
        QVERIFY(screen.seen.contains(QStringLiteral("toggleButton %1").arg(int(QEvent::Paint))));

        // The groove shows beside the knob: left of it when on, right of it when off. The secondary colour is
        // translucent over the white page.
        const QColor primary(brand().primaryColor);
        const QColor secondary(brand().secondaryColor);
        const auto overWhite = [&secondary](int channel) {
            return qRound(channel * secondary.alphaF() + 255 * (1 - secondary.alphaF()));
        };
        const QColor onGroove = on.pixelColor(20, on.height() / 2);
        const QColor offGroove = off.pixelColor(off.width() - 20, off.height() / 2);
        QCOMPARE(onGroove.rgb(), primary.rgb());
        QVERIFY(qAbs(offGroove.red() - overWhite(secondary.red())) <= 2);
        QVERIFY(qAbs(offGroove.green() - overWhite(secondary.green())) <= 2);
        QVERIFY(qAbs(offGroove.blue() - overWhite(secondary.blue())) <= 2);
    }
};

QTEST_MAIN(TestMainWindowEvents)
#include "test_mainwindow_events.moc"
