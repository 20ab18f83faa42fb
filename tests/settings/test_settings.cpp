#include "app/startup.h"
#include "settings/feedback.h"
#include "tests/settings/settingstestkit.h"
#include "tests/support/metatypes.h"

#include <QAccessible>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTextDocument>
#include <functional>

using Edit = std::function<void(AgentInfo&)>;
Q_DECLARE_METATYPE(Edit)

namespace {

const char* const agentSections[] = {"sessionDetails", "userDetailsWidget", "testConnectivityWidget",
                                     "dpmWidget",      "peerWidget",        "feedbackRow",
                                     "cleanUp",        "bottomNavBar",      "pagButton"};

QStringList shownSections(const SettingsPage& p)
{
    QStringList shown;
    for (const char* name : agentSections)
        if (p.shown(name))
            shown.append(QString::fromLatin1(name));
    return shown;
}

bool sameIcon(const QIcon& icon, const char* path)
{
    return icon.pixmap(20, 20).toImage() == QIcon(QString::fromLatin1(path)).pixmap(20, 20).toImage();
}

} // namespace

// Records the URLs handed to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher()
    {
        for (const char* scheme : {"http", "https", "file", "javascript"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char* scheme : {"http", "https", "file", "javascript"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void firstSnapshotFillsEveryRow()
    {
        SettingsPage p;
        // Before any snapshot no row shows an empty value, and the account actions are not offered.
        for (const char* row : {"wan", "externalIP", "pagIP", "assignedIP", "edrStatus", "deviceName", "userEmail"})
            QCOMPARE(p.row(row), QString());
        QVERIFY(!p.shown("cleanUp"));
        QVERIFY(!p.shown("bottomNavBar"));
        QCOMPARE(p.row("version"), brand().appVersion);

        p.update(connectedUser());
        QCOMPARE(p.row("wan"), QStringLiteral("eth0 10.1.2.3 [SPLIT]"));
        QCOMPARE(p.row("externalIP"), QStringLiteral("198.51.100.7"));
        QCOMPARE(p.row("pagIP"), QStringLiteral("203.0.113.9"));
        QCOMPARE(p.row("assignedIP"), QStringLiteral("100.64.0.2"));
        QCOMPARE(p.row("edrStatus"), QStringLiteral("Connected"));
        QCOMPARE(p.row("deviceName"), QStringLiteral("laptop-7"));
        QCOMPARE(p.row("userEmail"), QStringLiteral("ann@acme.example"));
        QCOMPARE(p.row("uptime"), QString());
        QCOMPARE(p.button("pagName")->text(), QStringLiteral("Frankfurt 1"));
        QCOMPARE(p.button("signOutButton")->text(), QStringLiteral("Sign out"));
        QCOMPARE(shownSections(p),
                 QStringList({"sessionDetails", "userDetailsWidget", "testConnectivityWidget", "dpmWidget",
                              "peerWidget", "feedbackRow", "cleanUp", "bottomNavBar", "pagButton"}));
        QVERIFY(p.button("pagName")->isEnabled());
    }

    void emptyValueHidesItsRow_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("row");
        QTest::newRow("interface") << Edit([](AgentInfo& i) { i.secconn.intfName.clear(); }) << "wan";
        QTest::newRow("private IP") << Edit([](AgentInfo& i) { i.secconn.privateIp.clear(); }) << "wan";
        QTest::newRow("public IP") << Edit([](AgentInfo& i) { i.secconn.publicIp.clear(); }) << "externalIP";
        QTest::newRow("gateway IP") << Edit([](AgentInfo& i) { i.secconn.pagIp.clear(); }) << "pagIP";
        QTest::newRow("tunnel IP") << Edit([](AgentInfo& i) { i.secconn.tunnelIp.clear(); }) << "assignedIP";
        QTest::newRow("device name") << Edit([](AgentInfo& i) { i.devName.clear(); }) << "deviceName";
        QTest::newRow("EDR off") << Edit([](AgentInfo& i) { i.edrEnabled = false; }) << "edrStatus";
    }
    void emptyValueHidesItsRow()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, row);
        AgentInfo emptied = connectedUser();
        edit(emptied);

        SettingsPage first;
        first.update(emptied);
        QCOMPARE(first.row(qPrintable(row)), QString());

        SettingsPage later;
        later.update(connectedUser());
        QVERIFY(!later.row(qPrintable(row)).isEmpty());
        later.update(emptied);
        QCOMPARE(later.row(qPrintable(row)), QString());
        // Filled again when the value comes back.
        later.update(connectedUser());
        QVERIFY(!later.row(qPrintable(row)).isEmpty());
    }

    void changedFieldUpdatesOnlyItsRow_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("text");
        QTest::newRow("public IP") << Edit([](AgentInfo& i) { i.secconn.publicIp = QStringLiteral("203.0.113.1"); })
                                   << "externalIP"
                                   << "203.0.113.1";
        QTest::newRow("full tunnel") << Edit([](AgentInfo& i) { i.secconn.fullTunnelEnabled = true; }) << "wan"
                                     << "eth0 10.1.2.3 [FULL]";
        QTest::newRow("gateway IP") << Edit([](AgentInfo& i) { i.secconn.pagIp = QStringLiteral("192.0.2.1"); })
                                    << "pagIP"
                                    << "192.0.2.1";
        QTest::newRow("tunnel IP") << Edit([](AgentInfo& i) { i.secconn.tunnelIp = QStringLiteral("100.64.0.9"); })
                                   << "assignedIP"
                                   << "100.64.0.9";
        QTest::newRow("device name") << Edit([](AgentInfo& i) { i.devName = QStringLiteral("desk-2"); }) << "deviceName"
                                     << "desk-2";
        QTest::newRow("EDR status") << Edit([](AgentInfo& i) { i.edrStatus = 3; }) << "edrStatus"
                                    << "Connecting…";
    }
    void changedFieldUpdatesOnlyItsRow()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, row);
        QFETCH(QString, text);
        SettingsPage p;
        p.update(connectedUser());
        const char* rows[] = {"wan", "externalIP", "pagIP", "assignedIP", "edrStatus", "deviceName"};
        for (const char* name : rows)
            p.label(name)->setText(QStringLiteral("untouched"));
        AgentInfo changed = connectedUser();
        edit(changed);
        p.update(changed);
        for (const char* name : rows)
            QCOMPARE(p.row(name), QLatin1String(name) == row ? text : QStringLiteral("untouched"));
    }

    void wanRow_data()
    {
        QTest::addColumn<QString>("interface");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("fullTunnel");
        QTest::addColumn<QString>("text");
        QTest::newRow("full") << "eth0"
                              << "10.1.2.3" << true << "eth0 10.1.2.3 [FULL]";
        QTest::newRow("split") << "Wi-Fi"
                               << "192.168.1.47" << false << "Wi-Fi 192.168.1.47 [SPLIT]";
        QTest::newRow("no address") << "eth0"
                                    << "" << true << "";
        QTest::newRow("no interface") << ""
                                      << "10.1.2.3" << false << "";
    }
    void wanRow()
    {
        QFETCH(QString, interface);
        QFETCH(QString, address);
        QFETCH(bool, fullTunnel);
        QFETCH(QString, text);
        SettingsPage p;
        AgentInfo info = connectedUser();
        info.secconn.intfName = interface;
        info.secconn.privateIp = address;
        info.secconn.fullTunnelEnabled = fullTunnel;
        p.update(info);
        QCOMPARE(p.row("wan"), text);
    }

    // Every brand, EDR switched from the opposite state to the one under test with the same status.
    void edrRow_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("dovrin connected") << "dovrin" << true << 2 << "Connected";
        QTest::newRow("dovrin status 3") << "dovrin" << true << 3 << "Connecting…";
        QTest::newRow("kivora status 0") << "kivora" << true << 0 << "Connecting…";
        QTest::newRow("kivora off") << "kivora" << false << 2 << "";
        QTest::newRow("novalume: restricted") << "novalume" << true << 2 << "";
        QTest::newRow("lumidor: restricted") << "lumidor" << true << 2 << "";
    }
    void edrRow()
    {
        QFETCH(QString, brandName);
        QFETCH(bool, enabled);
        QFETCH(int, status);
        QFETCH(QString, text);
        SettingsPage p(qPrintable(brandName));
        AgentInfo info = connectedUser();
        info.edrStatus = status;
        info.edrEnabled = !enabled;
        p.update(info);
        info.edrEnabled = enabled;
        p.update(info);
        QCOMPARE(p.row("edrStatus"), text);
    }

    void brandSections_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::addColumn<bool>("testConnectivity");
        QTest::addColumn<bool>("legal");
        QTest::addColumn<QString>("emailCaption");
        QTest::addColumn<bool>("bottomBar");
        QTest::newRow("novalume") << "novalume" << false << false << "User" << false;
        QTest::newRow("lumidor") << "lumidor" << true << true << "User" << false;
        QTest::newRow("kivora") << "kivora" << true << true << "Email" << true;
        QTest::newRow("dovrin") << "dovrin" << true << false << "Email" << true;
    }
    void brandSections()
    {
        QFETCH(QString, brandName);
        QFETCH(bool, testConnectivity);
        QFETCH(bool, legal);
        QFETCH(QString, emailCaption);
        QFETCH(bool, bottomBar);
        SettingsPage p(qPrintable(brandName));
        p.update(connectedUser());
        QCOMPARE(p.shown("testConnectivityWidget"), testConnectivity);
        QCOMPARE(p.shown("legal"), legal);
        QCOMPARE(p.label("userEmailLabel")->text(), emailCaption);
        QCOMPARE(p.row("userEmail"), QStringLiteral("ann@acme.example"));
        QCOMPARE(p.shown("bottomNavBar"), bottomBar);
        QCOMPARE(p.child("bottomNavBar")->isEnabled(), bottomBar);
        QCOMPARE(p.shown("aboutWidget"), true);
    }

    void bottomBarFollowsUserIdMethod_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("email");
        QTest::addColumn<bool>("secureAccess");
        QTest::addColumn<int>("activation");
        QTest::addColumn<QString>("button"); // empty: no bottom bar
        QTest::addColumn<QString>("emailRow");
        const QString ann = QStringLiteral("ann@acme.example");
        QTest::newRow("email user signed in") << "dovrin" << 1 << ann << true << 1 << "Sign out" << ann;
        QTest::newRow("email user signed out") << "dovrin" << 1 << "" << true << 1 << "Sign in"
                                               << "";
        QTest::newRow("signed out, no secure access") << "dovrin" << 1 << "" << false << 1 << ""
                                                      << "";
        QTest::newRow("directory user signed out") << "kivora" << 2 << "" << true << 1 << "Sign in"
                                                   << "";
        QTest::newRow("method 3 signed in") << "kivora" << 3 << ann << true << 1 << "Sign out" << ann;
        QTest::newRow("method 4") << "dovrin" << 4 << ann << true << 1 << "" << ann;
        QTest::newRow("method 5 nobody") << "dovrin" << 5 << "" << true << 1 << ""
                                         << "";
        QTest::newRow("no identification") << "dovrin" << 0 << ann << true << 1 << ""
                                           << "";
        QTest::newRow("awaiting approval") << "dovrin" << 1 << ann << true << 2 << "" << ann;
        QTest::newRow("restricted edition") << "novalume" << 1 << ann << true << 1 << "" << ann;
        QTest::newRow("restricted, signed out") << "lumidor" << 1 << "" << true << 1 << ""
                                                << "";
    }
    void bottomBarFollowsUserIdMethod()
    {
        QFETCH(QString, brandName);
        QFETCH(int, method);
        QFETCH(QString, email);
        QFETCH(bool, secureAccess);
        QFETCH(int, activation);
        QFETCH(QString, button);
        QFETCH(QString, emailRow);
        SettingsPage p(qPrintable(brandName));
        AgentInfo info = connectedUser();
        info.userIdMethod = method;
        info.email = email;
        info.secconn.enabled = secureAccess;
        info.activationState = activation;
        p.update(info);
        QCOMPARE(p.shown("bottomNavBar"), !button.isEmpty());
        if (!button.isEmpty())
            QCOMPARE(p.button("signOutButton")->text(), button);
        QCOMPARE(p.row("userEmail"), emailRow);
    }

    void signedOutUserLeavesNoEmail_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::addColumn<int>("method");
        QTest::newRow("email sign-in") << "dovrin" << 1;
        QTest::newRow("method 4") << "dovrin" << 4;
        QTest::newRow("method 5") << "kivora" << 5;
        QTest::newRow("restricted edition") << "novalume" << 2;
    }
    void signedOutUserLeavesNoEmail()
    {
        QFETCH(QString, brandName);
        QFETCH(int, method);
        SettingsPage p(qPrintable(brandName));
        AgentInfo info = connectedUser();
        info.userIdMethod = method;
        p.update(info);
        QCOMPARE(p.row("userEmail"), info.email);
        info.email.clear();
        p.update(info);
        QCOMPARE(p.row("userEmail"), QString());
    }

    void deactivationSection_data()
    {
        QTest::addColumn<int>("configuration");
        QTest::addColumn<bool>("shown");
        QTest::newRow("confirmation") << 1 << true;
        QTest::newRow("password") << 2 << true;
        QTest::newRow("not allowed") << 3 << false;
    }
    void deactivationSection()
    {
        QFETCH(int, configuration);
        QFETCH(bool, shown);
        SettingsPage p;
        AgentInfo info = connectedUser();
        info.deactCfg = configuration;
        p.update(info);
        QCOMPARE(p.shown("cleanUp"), shown);
        // A configuration this page does not know leaves the section as it was.
        info.deactCfg = 9;
        p.update(info);
        QCOMPARE(p.shown("cleanUp"), shown);
    }

    void tunnelRowsFollowStatus_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("shown");
        QTest::newRow("connecting") << 1 << true;
        QTest::newRow("connected") << 2 << true;
        QTest::newRow("not connected") << 4 << false;
        QTest::newRow("already in the network") << 5 << false;
    }
    void tunnelRowsFollowStatus()
    {
        QFETCH(int, status);
        QFETCH(bool, shown);
        SettingsPage p;
        AgentInfo info = connectedUser();
        info.secconn.status = status;
        p.update(info);
        QCOMPARE(p.row("assignedIP").isEmpty(), !shown);
        QCOMPARE(p.row("pagIP").isEmpty(), !shown);
        QCOMPARE(p.shown("testConnectivityWidget"), shown);
        // Hidden on every update, not only when the status changes.
        info.secconn.publicIp = QStringLiteral("203.0.113.1");
        p.update(info);
        QCOMPARE(p.row("assignedIP").isEmpty(), !shown);
        // With the tunnel back the rows return, though their values are the same as before.
        info.secconn.status = 2;
        p.update(info);
        QCOMPARE(p.row("assignedIP"), info.secconn.tunnelIp);
        QCOMPARE(p.row("pagIP"), info.secconn.pagIp);
        QVERIFY(p.shown("testConnectivityWidget"));
    }

    void secureConnectionDecidesGatewayRow()
    {
        SettingsPage p;
        AgentInfo info = connectedUser();
        info.secconn.pagSelectionAllowed = false;
        info.secconn.peerDiscoveryAllowed = false;
        p.update(info);
        QVERIFY(p.shown("pagName"));
        QVERIFY(!p.shown("pagButton"));
        QVERIFY(!p.button("pagName")->isEnabled());
        QVERIFY(!p.button("pagNameLabel")->isEnabled());
        QVERIFY(!p.shown("peerWidget"));

        info.secconn.enabled = false;
        p.update(info);
        for (const char* name : {"pagNameLabel", "pagName", "pagButton"})
            QVERIFY2(!p.shown(name), name);
        // A signed-in user can still sign out; nobody signed in has nothing to sign in to.
        QVERIFY(p.shown("bottomNavBar"));
        info.email.clear();
        p.update(info);
        QVERIFY(!p.shown("bottomNavBar"));
        info.email = connectedUser().email;

        info.secconn.enabled = true;
        info.secconn.pagSelectionAllowed = true;
        info.secconn.peerDiscoveryAllowed = true;
        p.update(info);
        for (const char* name : {"pagNameLabel", "pagName", "pagButton", "peerWidget", "bottomNavBar"})
            QVERIFY2(p.shown(name), name);
    }

    void activationStateDecidesSupportSections()
    {
        SettingsPage p;
        AgentInfo info = connectedUser();
        info.activationState = 2;
        info.dpmEnabled = false;
        p.update(info);
        for (const char* name : {"feedbackRow", "dpmWidget"})
            QVERIFY2(!p.shown(name), name);
        info.activationState = 1;
        info.dpmEnabled = true;
        p.update(info);
        for (const char* name : {"feedbackRow", "dpmWidget", "peerWidget"})
            QVERIFY2(p.shown(name), name);
    }

    void tryMe_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("opened");
        QTest::newRow("gateway test page") << "dovrin"
                                           << "https://tryme.example/x" << true << "https://tryme.example/x";
        QTest::newRow("no test page") << "kivora"
                                      << "" << false << "";
        QTest::newRow("novalume never offers it") << "novalume"
                                                  << "https://tryme.example/x" << false << "";
        QTest::newRow("a local file is not opened") << "dovrin"
                                                    << "file:///etc/passwd" << true << "";
        QTest::newRow("nor a script") << "lumidor"
                                      << "javascript:alert(1)" << true << "";
    }
    void tryMe()
    {
        QFETCH(QString, brandName);
        QFETCH(QString, url);
        QFETCH(bool, shown);
        QFETCH(QString, opened);
        UrlCatcher catcher;
        SettingsPage p(qPrintable(brandName));
        AgentInfo info = connectedUser();
        info.secconn.tryMe = url;
        p.update(info);
        QCOMPARE(p.shown("testConnectivityWidget"), shown);
        p.button("tryMeLink")->click();
        QCOMPARE(catcher.opened, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});

        // A gateway without a test page takes the link away.
        info.secconn.tryMe.clear();
        p.update(info);
        QVERIFY(!p.shown("testConnectivityWidget"));
        catcher.opened.clear();
        p.page->openTryMe();
        QVERIFY(catcher.opened.isEmpty());
    }

    void brandLinks_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("opened");
        QTest::newRow("lumidor terms") << "lumidor"
                                       << "tosLink"
                                       << "https://www.lumidor.example/terms";
        QTest::newRow("lumidor EULA") << "lumidor"
                                      << "eulaLink"
                                      << "https://www.lumidor.example/eula";
        QTest::newRow("kivora privacy") << "kivora"
                                        << "privacyPolicyLink"
                                        << "https://www.kivora.example/privacy";
        QTest::newRow("kivora has no terms") << "kivora"
                                             << "tosLink"
                                             << "";
    }
    void brandLinks()
    {
        QFETCH(QString, brandName);
        QFETCH(QString, link);
        QFETCH(QString, opened);
        UrlCatcher catcher;
        SettingsPage p(qPrintable(brandName));
        p.button(qPrintable(link))->click();
        QCOMPARE(catcher.opened, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});
    }

    // The same snapshot gives the same page, whether the window just started or the device was enrolled while it was
    // open: the peer devices section must not wait for a reconnection to appear.
    void sameSnapshotSamePage_data()
    {
        QTest::addColumn<AgentInfo>("info");
        QTest::newRow("signed in") << connectedUser();
        AgentInfo info = connectedUser();
        info.email.clear();
        QTest::newRow("nobody signed in") << info;
        info = connectedUser();
        info.secconn.peerDiscoveryAllowed = false;
        QTest::newRow("no peer discovery") << info;
        info = connectedUser();
        info.secconn.enabled = false;
        QTest::newRow("secure access not offered") << info;
        info = connectedUser();
        info.dpmEnabled = false;
        info.secconn.tryMe.clear();
        QTest::newRow("no compliance, no test page") << info;
    }
    void sameSnapshotSamePage()
    {
        QFETCH(AgentInfo, info);
        const char* sections[] = {"feedbackRow",    "dpmWidget",         "peerWidget",
                                  "pagButton",      "bottomNavBar",      "cleanUp",
                                  "sessionDetails", "userDetailsWidget", "testConnectivityWidget"};
        auto page = [&](SettingsPage& p) {
            QStringList shown;
            for (const char* section : sections)
                shown << QStringLiteral("%1 %2").arg(QLatin1String(section)).arg(p.shown(section));
            return shown;
        };
        SettingsPage fresh;
        fresh.page->showAgentRows();
        fresh.update(info);
        SettingsPage enrolledMeanwhile;
        enrolledMeanwhile.page->showAgentRows();
        AgentInfo unenrolled;
        unenrolled.activationState = 0;
        enrolledMeanwhile.update(unenrolled);
        enrolledMeanwhile.update(info);
        QCOMPARE(page(enrolledMeanwhile), page(fresh));
    }

    // Without a handler for the address a box shows it, selectable, as plain text; its button copies it.
    void linkWithoutAHandler_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("copy");
        QTest::newRow("try me, copied") << "tryMeLink"
                                        << "https://try.example/<b>page</b>?a=1&b=2" << true;
        QTest::newRow("try me, closed") << "tryMeLink"
                                        << "https://try.example/page" << false;
        QTest::newRow("EULA") << "eulaLink"
                              << "https://www.lumidor.example/eula" << true;
    }
    void linkWithoutAHandler()
    {
        QFETCH(QString, link);
        QFETCH(QString, address);
        QFETCH(bool, copy);
        SettingsPage p("lumidor");
        AgentInfo info = connectedUser();
        info.secconn.tryMe = address;
        p.update(info);
        QGuiApplication::clipboard()->clear();
        QStringList texts;
        ModalDialog::setAnswerer([&](QDialog& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            texts << box.text();
            auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            if (label->textFormat() != Qt::PlainText || !(label->textInteractionFlags() & Qt::TextSelectableByMouse))
                texts << QStringLiteral("not plain, selectable text");
            for (QAbstractButton* button : box.buttons()) {
                if (button->text() == (copy ? QStringLiteral("Copy address") : QStringLiteral("Close"))) {
                    button->click();
                    return 0;
                }
            }
            return -1;
        });
        p.button(qPrintable(link))->click();
        ModalDialog::setAnswerer({});
        QCOMPARE(texts, QStringList{"No application could open this address. Copy it into your web browser:\n\n" +
                                    QUrl(address, QUrl::TolerantMode).toString()});
        QCOMPARE(QGuiApplication::clipboard()->text(), copy ? QUrl(address, QUrl::TolerantMode).toString() : QString());
    }

    void agentTextIsPlainText()
    {
        SettingsPage p("kivora");
        AgentInfo info = connectedUser();
        info.devName = QStringLiteral("<img src=\"https://evil.example/x.png\">pc");
        info.email = QStringLiteral("<b>ann</b>@acme.example");
        info.secconn.intfName = QStringLiteral("<i>eth0</i>");
        info.secconn.pagName = QStringLiteral("R&D Gateway");
        p.update(info);
        for (const char* value :
             {"wan", "externalIP", "pagIP", "assignedIP", "uptime", "edrStatus", "deviceName", "userEmail", "version"})
            QVERIFY2(p.label(value)->textFormat() == Qt::PlainText, value);
        QCOMPARE(p.row("deviceName").remove(QLatin1Char(' ')), info.devName.remove(QLatin1Char(' ')));
        QCOMPARE(p.row("userEmail").remove(QLatin1Char(' ')), info.email);
        QVERIFY(p.row("wan").startsWith(QLatin1String("<i>eth0</i> ")));
        // "&" in a gateway name is a character, not a keyboard shortcut.
        QVERIFY(p.button("pagName")->shortcut().isEmpty());
    }

    // Blanks go where a value would overflow its row as laid out, and nowhere else.
    void longValuesWrapWithinTheirRow_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::addColumn<QString>("row");
        QTest::newRow("device") << "dovrin"
                                << "deviceName";
        QTest::newRow("email") << "kivora"
                               << "userEmail";
        QTest::newRow("user") << "novalume"
                              << "userEmail";
        QTest::newRow("gateway address") << "dovrin"
                                         << "pagIP";
    }
    void longValuesWrapWithinTheirRow()
    {
        QFETCH(QString, brandName);
        QFETCH(QString, row);
        SettingsPage p(qPrintable(brandName));
        p.page->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.page.get()));
        QLabel* value = p.label(qPrintable(row));
        const QFontMetrics metrics = value->fontMetrics();
        for (int length = 8; length <= 64; length += 4) {
            const QString text = QStringLiteral("a@b.") + QString(length, QLatin1Char('m'));
            AgentInfo info = connectedUser();
            info.devName = info.email = info.secconn.pagIp = text;
            p.update(info);
            QCoreApplication::processEvents();
            const QString shown = p.row(qPrintable(row));
            QCOMPARE(QString(shown).remove(QLatin1Char(' ')), text);
            const int room = value->contentsRect().width();
            if (metrics.horizontalAdvance(text) <= room - 2 * metrics.horizontalAdvance(QLatin1Char('m')))
                QCOMPARE(shown, text);
            for (const QString& line : shown.split(QLatin1Char(' ')))
                QVERIFY2(metrics.horizontalAdvance(line) <= room, qPrintable(shown));
        }
    }

    // A gateway name of any length stays on one line inside the page, shortened in the middle, whole in its tip;
    // the other values the agent names wrap within their rows, so none of them widens the page either.
    void agentValuesNeverWidenThePage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("elided");
        QTest::addColumn<QString>("others"); // every other value the agent names, empty: the usual ones
        const QString longWord = QString(90, QLatin1Char('y'));
        QTest::newRow("short") << "Frankfurt 1" << false << QString();
        QTest::newRow("long") << QStringLiteral("gateway-") + QString(120, QLatin1Char('x')) + QStringLiteral("-end")
                              << true << QString();
        QTest::newRow("long with blanks and markup")
            << QStringLiteral("<b>Access</b>  ") + QString(40, QLatin1Char('w')) + QStringLiteral(" Gateway & Co")
            << true << QString();
        QTest::newRow("every value long") << QString(120, QLatin1Char('x')) << true << longWord;
    }
    void agentValuesNeverWidenThePage()
    {
        QFETCH(QString, name);
        QFETCH(bool, elided);
        QFETCH(QString, others);
        SettingsPage p;
        p.page->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.page.get()));
        AgentInfo info = connectedUser();
        info.secconn.pagName = name;
        if (!others.isEmpty()) {
            info.devName = others;
            info.email = others + QStringLiteral("@acme.example");
            for (QString* value :
                 {&info.secconn.intfName, &info.secconn.publicIp, &info.secconn.pagIp, &info.secconn.tunnelIp})
                *value = others;
        }
        p.update(info);
        QCoreApplication::processEvents();

        auto* area = p.child<QScrollArea>("scrollArea");
        QPushButton* shown = p.button("pagName");
        QVERIFY(area->widget()->width() <= area->viewport()->width());
        // The wrapped rows are all there, within the page too.
        for (const char* row : {"wan", "externalIP", "pagIP", "assignedIP", "deviceName", "userEmail"}) {
            const QLabel* value = p.child<QLabel>(row);
            QVERIFY2(value->isVisible(), row);
            QVERIFY2(value->mapTo(area->widget(), value->rect().topRight()).x() < area->viewport()->width(), row);
        }
        QVERIFY(shown->geometry().right() < p.button("pagButton")->geometry().left());
        const QString text = shown->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
        QCOMPARE(text.contains(QChar(0x2026)), elided);
        if (!elided)
            QCOMPARE(text, name);
        QVERIFY2(shown->fontMetrics().horizontalAdvance(text) <= shown->contentsRect().width(), qPrintable(text));
        // A screen reader reads the row by its caption, the name being the caption's description.
        QCOMPARE(QAccessible::queryAccessibleInterface(p.button("pagNameLabel"))->text(QAccessible::Description), name);
        // The tip shows the name as it is, blanks and markup characters included.
        QTextDocument tip;
        tip.setHtml(shown->toolTip());
        QCOMPARE(tip.toPlainText(), name);
    }

    void linkDownHidesAgentSections()
    {
        SettingsPage p;
        p.update(connectedUser());
        QVERIFY(!p.shown("statusMessage"));
        p.page->hideAgentRows();
        QCOMPARE(shownSections(p), QStringList());
        QVERIFY(p.shown("aboutWidget"));
        QVERIFY(p.shown("statusMessage"));
        QCOMPARE(p.label("statusMessage")->text(), QStringLiteral("Unable to connect to the application service"));
        p.page->showAgentRows();
        QVERIFY(!p.shown("statusMessage"));
        QCOMPARE(shownSections(p),
                 QStringList({"sessionDetails", "userDetailsWidget", "testConnectivityWidget", "dpmWidget",
                              "peerWidget", "feedbackRow", "cleanUp", "bottomNavBar", "pagButton"}));
    }

    // After the link comes back the page shows what the last snapshot allows, not every section.
    void reconnectionKeepsWhatTheAgentHid_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::addColumn<Edit>("edit");
        QTest::newRow("deactivation not allowed") << "dovrin" << Edit([](AgentInfo& i) { i.deactCfg = 3; });
        QTest::newRow("restricted edition bottom bar") << "novalume" << Edit([](AgentInfo&) {});
        QTest::newRow("lumidor") << "lumidor" << Edit([](AgentInfo& i) { i.deactCfg = 3; });
        QTest::newRow("no user identification") << "kivora" << Edit([](AgentInfo& i) { i.userIdMethod = 0; });
        QTest::newRow("no secure access") << "kivora" << Edit([](AgentInfo& i) { i.secconn.enabled = false; });
        QTest::newRow("not connected") << "dovrin" << Edit([](AgentInfo& i) { i.secconn.status = 4; });
        QTest::newRow("no test page") << "dovrin" << Edit([](AgentInfo& i) { i.secconn.tryMe.clear(); });
    }
    void reconnectionKeepsWhatTheAgentHid()
    {
        QFETCH(QString, brandName);
        QFETCH(Edit, edit);
        SettingsPage p(qPrintable(brandName));
        AgentInfo info = connectedUser();
        edit(info);
        p.update(info);
        const QStringList before = shownSections(p);
        const bool barEnabled = p.child("bottomNavBar")->isEnabled();
        for (int round = 0; round < 2; ++round) {
            p.page->hideAgentRows();
            p.page->showAgentRows();
            QCOMPARE(shownSections(p), before);
            QCOMPARE(p.child("bottomNavBar")->isEnabled(), barEnabled);
        }
        // The next snapshot, unchanged, keeps it so.
        p.update(info);
        QCOMPARE(shownSections(p), before);
    }

    void reconnectionBeforeAnySnapshotOffersNoActions()
    {
        SettingsPage p;
        p.page->hideAgentRows();
        p.page->showAgentRows();
        QVERIFY(!p.shown("cleanUp"));
        QVERIFY(!p.shown("bottomNavBar"));
        QVERIFY(p.shown("sessionDetails"));
    }

    void subScreenNavigation_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("gateway arrow") << "pagButton" << 2 << QByteArray("{\"type\":10}\n");
        QTest::newRow("gateway name") << "pagName" << 2 << QByteArray("{\"type\":10}\n");
        QTest::newRow("gateway caption") << "pagNameLabel" << 2 << QByteArray("{\"type\":10}\n");
        QTest::newRow("notifications") << "notificationLabel" << 3 << QByteArray("{\"type\":12}\n");
        QTest::newRow("notifications arrow") << "notificationButton" << 3 << QByteArray("{\"type\":12}\n");
        QTest::newRow("peers") << "peerListLabel" << 4 << QByteArray("{\"type\":14}\n");
        QTest::newRow("peers arrow") << "peerListButton" << 4 << QByteArray("{\"type\":14}\n");
        QTest::newRow("feedback") << "feedBackLabel" << 1 << QByteArray();
        QTest::newRow("feedback arrow") << "feedBackButton" << 1 << QByteArray();
    }
    void subScreenNavigation()
    {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(QByteArray, request);
        SettingsPage p;
        p.update(connectedUser());
        auto* stack = p.child<QStackedWidget>("settingsStack");
        QCOMPARE(stack->count(), 5);
        QSignalSpy spinner(p.page.get(), &Settings::startSpinner);
        QSignalSpy home(p.page.get(), &Settings::goHome);
        p.button(qPrintable(button))->click();
        QCOMPARE(stack->currentIndex(), index);
        QCOMPARE(p.link.nextRequest(), request);
        QCOMPARE(spinner.size(), request.isEmpty() ? 0 : 1);
        if (!request.isEmpty()) {
            QCOMPARE(spinner.first().at(0).value<QWidget*>(), stack->widget(index));
            QCOMPARE(spinner.first().at(1).toBool(), false);
        }
        p.page->goSettings();
        QCOMPARE(stack->currentIndex(), 0);
        QCOMPARE(home.size(), 0);

        // Leaving by the title bar always starts the next visit on the list.
        p.button(qPrintable(button))->click();
        p.button("backButton")->click();
        QCOMPARE(stack->currentIndex(), 0);
        QCOMPARE(home.size(), 1);
    }

    void feedbackAnswerReturnsToListOnlyWhenFiled_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("ticket");
        QTest::addColumn<int>("startIndex");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<bool>("heard");
        QTest::newRow("filed") << 0 << "VXA-10231" << 1 << true << true;
        QTest::newRow("success without a ticket") << 0 << "" << 1 << false << true;
        QTest::newRow("failed") << 13 << "VXA-10231" << 1 << false << true;
        // Nothing waits for it there: the form was left, and with it the wait.
        QTest::newRow("filed while elsewhere") << 0 << "VXA-10231" << 0 << false << false;
        QTest::newRow("filed while on peers") << 0 << "VXA-10231" << 4 << false << false;
    }
    void feedbackAnswerReturnsToListOnlyWhenFiled()
    {
        QFETCH(int, code);
        QFETCH(QString, ticket);
        QFETCH(int, startIndex);
        QFETCH(bool, cleared);
        QFETCH(bool, heard);
        SettingsPage p;
        Dialogs dialogs;
        auto* stack = p.child<QStackedWidget>("settingsStack");
        stack->setCurrentIndex(startIndex);
        QSignalSpy clear(p.page->findChild<Feedback*>(), &Feedback::filed);
        QList<int> indexWhenForwarded;
        QObject::connect(p.page.get(), &Settings::feedbackResponse, p.page.get(),
                         [&](const Response& r) { indexWhenForwarded << r.code; });
        int indexWhenTold = -1;
        dialogs.beforeAnswer = [&] {
            indexWhenTold = stack->currentIndex();
        };
        Response response;
        response.code = code;
        response.ticketId = ticket;
        p.page->processFeedbackResponse(response);
        if (!heard) {
            QVERIFY(indexWhenForwarded.isEmpty());
            QCOMPARE(stack->currentIndex(), startIndex);
            QVERIFY(dialogs.seen.isEmpty());
            return;
        }
        // The feedback screen hears the outcome and tells it while it is still showing.
        QCOMPARE(indexWhenForwarded, QList<int>({code}));
        QCOMPARE(indexWhenTold, startIndex);
        QCOMPARE(clear.size(), cleared ? 1 : 0);
        QCOMPARE(stack->currentIndex(), cleared ? 0 : startIndex);
        // The feedback screen itself told the user, before the page moved on.
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen.first().parent, stack->widget(Settings::FeedbackPage));
    }

    // A listing answer reaches its screen while awaited or while that screen is in front, and only then.
    void listAnswersReachOnlyTheirScreen_data()
    {
        QTest::addColumn<QString>("opened"); // the button that opened a sub-screen, empty: none
        QTest::addColumn<bool>("wentBack");
        QTest::addColumn<QStringList>("forwarded");
        QTest::newRow("gateways awaited") << "pagButton" << false << QStringList{"pags"};
        QTest::newRow("findings awaited") << "notificationButton" << false << QStringList{"violations"};
        QTest::newRow("peers awaited") << "peerListButton" << false << QStringList{"peers"};
        QTest::newRow("gateways after going back") << "pagButton" << true << QStringList();
        QTest::newRow("nothing opened") << "" << false << QStringList();
    }
    void listAnswersReachOnlyTheirScreen()
    {
        QFETCH(QString, opened);
        QFETCH(bool, wentBack);
        QFETCH(QStringList, forwarded);
        SettingsPage p;
        p.update(connectedUser());
        QStringList heard;
        QObject::connect(p.page.get(), &Settings::listPags, p.page.get(),
                         [&](const Response& r, const PAG& preferred, const QString& error) {
                             QCOMPARE(r.code, 7);
                             QCOMPARE(preferred.id, QStringLiteral("fra-01"));
                             QCOMPARE(error, QStringLiteral("e1"));
                             heard << QStringLiteral("pags");
                         });
        QObject::connect(p.page.get(), &Settings::listViolations, p.page.get(),
                         [&](const Response&, const QString& error) {
                             QCOMPARE(error, QStringLiteral("e2"));
                             heard << QStringLiteral("violations");
                         });
        QObject::connect(p.page.get(), &Settings::listPeers, p.page.get(), [&](const Response&, const QString& error) {
            QCOMPARE(error, QStringLiteral("e3"));
            heard << QStringLiteral("peers");
        });
        if (!opened.isEmpty())
            p.button(qPrintable(opened))->click();
        if (wentBack)
            p.page->goSettings();
        Response response;
        response.code = 7;
        p.page->processPagsResponse(response, PAG{QStringLiteral("fra-01"), 1}, QStringLiteral("e1"));
        p.page->processViolationListResponse(response, QStringLiteral("e2"));
        p.page->processPeerListResponse(response, QStringLiteral("e3"));
        QCOMPARE(heard, forwarded);
    }

    void notificationIconMarksFindings()
    {
        SettingsPage p;
        QVERIFY(sameIcon(p.button("notificationButton")->icon(), ":/images/goForward.png"));
        p.page->changeNotificationsIcon(true);
        QVERIFY(sameIcon(p.button("notificationButton")->icon(), ":/images/goForwardNotification.png"));
        p.page->changeNotificationsIcon(false);
        QVERIFY(sameIcon(p.button("notificationButton")->icon(), ":/images/goForward.png"));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
