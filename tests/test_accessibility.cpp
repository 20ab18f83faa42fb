// What a screen reader and a keyboard meet on every screen: names and roles through QAccessible, the switch's
// state, the tab order, Escape on the screens with a back button, and the looks that stood for states.

#include "app/brandprofile.h"
#include "app/modaldialog.h"
#include "app/screenlook.h"
#include "app/startup.h"
#include "app/waitingspinnerwidget.h"
#include "enrollment/activate.h"
#include "enrollment/authemail.h"
#include "settings/feedback.h"
#include "settings/settings.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

Q_DECLARE_METATYPE(QAccessible::Role)

namespace {

const char* const gatewayListing = R"({"type":9,"response":{"type":0,"pag_listing":{"pags":[
    {"id":"osl","name":"Oslo","city":"Oslo","country":"NO","status":1},
    {"id":"ber","name":"Berlin","city":"Berlin","country":"DE","status":1}]}}})";
const char* const peerListing = R"({"type":14,"response":{"type":0,"peer_listing":{"peers":[
    {"caname":"build-01","drname":"BUILD01","addr":"10.2.0.1"}]}}})";

const QString userControlDisabled = QStringLiteral("agentinfo.features.secconn.status_user_control_disabled");

// The first widget of the given class under the window: the screens are built once each.
QWidget* screenOf(QWidget* window, const QString& className)
{
    if (className == QLatin1String(window->metaObject()->className()))
        return window;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (className == QLatin1String(widget->metaObject()->className()))
            return widget;
    return nullptr;
}

QAccessibleInterface* accessibleOf(QWidget* widget)
{
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void controlsHaveNamesAndRoles_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* screen, const char* control, QAccessible::Role role, const char* name) {
            QTest::addRow("%s %s", screen, control)
                << QString::fromLatin1(screen) << QString::fromLatin1(control) << role << QString::fromUtf8(name);
        };
        row("MainWindow", "toggleButton", QAccessible::CheckBox, "Secure Access");
        row("MainWindow", "settingsIcon", QAccessible::Button, "Settings");
        row("MainWindow", "settingsNavButton", QAccessible::Button, "Settings");
        row("Activate", "codeInput", QAccessible::EditableText, "Activation code");
        row("Activate", "friendlyName", QAccessible::EditableText, "Device name (optional)");
        row("Activate", "eulaCheckBox", QAccessible::CheckBox,
            "I have read and agree to the terms of the End User License Agreement");
        row("Activate", "linkIcon", QAccessible::Button, "Contact support");
        row("ActivationPending", "settingsIco", QAccessible::Button, "Settings");
        row("ActivationPending", "settingsNav", QAccessible::Button, "Settings");
        row("AuthEmail", "mailInput", QAccessible::EditableText, "Email address");
        row("OtpScreen", "otpInput", QAccessible::EditableText, "OTP");
        row("OtpScreen", "backButton", QAccessible::Button, "Back");
        row("ServiceCode", "serviceCodeInput", QAccessible::EditableText, "Service ID");
        row("QRCodeScreen", "backButton", QAccessible::Button, "Back");
        row("QRCodeScreen", "qr", QAccessible::StaticText, "Waiting for a new code");
        row("QRCodeScreen", "pageWidget", QAccessible::Grouping, "Activation by QR code");
        row("Settings", "backButton", QAccessible::Button, "Back");
        row("Settings", "pagButton", QAccessible::Button, "Access Gateway");
        row("Settings", "notificationButton", QAccessible::Button, "Notifications");
        row("Settings", "peerListButton", QAccessible::Button, "View all devices");
        row("Settings", "feedBackButton", QAccessible::Button, "Feedback");
        row("Settings", "resetDeviceButton", QAccessible::Button, "Deactivate");
        row("Settings", "signOutIcon", QAccessible::Button, "Sign out");
        row("Feedback", "backButton", QAccessible::Button, "Back");
        row("Feedback", "feedBackTitle", QAccessible::EditableText, "SUBJECT");
        row("Feedback", "feedbackBodyText", QAccessible::EditableText, "MESSAGE");
        row("PagSelection", "backButton", QAccessible::Button, "Back");
        row("Notification", "backButton", QAccessible::Button, "Back");
        row("PeerDevices", "backButton", QAccessible::Button, "Back");
    }
    void controlsHaveNamesAndRoles()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        MainWindowHarness h;
        QWidget* owner = screenOf(h.window.get(), screen);
        QVERIFY(owner);
        QAccessibleInterface* accessible = accessibleOf(owner->findChild<QWidget*>(control));
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), role);
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }

    // A caption beside its control labels it: a screen reader reads the control by it, and not the caption once more
    // as a text of its own.
    void captionsLabelTheirControls_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("control");
        QTest::newRow("Secure Access") << "MainWindow"
                                       << "secureAccessLabel"
                                       << "toggleButton";
    }
    void captionsLabelTheirControls()
    {
        QFETCH(QString, screen);
        QFETCH(QString, caption);
        QFETCH(QString, control);
        MainWindowHarness h;
        QWidget* owner = screenOf(h.window.get(), screen);
        QVERIFY(owner);
        QWidget* label = owner->findChild<QWidget*>(caption);
        QAccessibleInterface* labelled = accessibleOf(owner->findChild<QWidget*>(control));
        QVERIFY(label && labelled);
        QStringList labels;
        for (const auto& relation : labelled->relations(QAccessible::Label))
            labels << relation.first->object()->objectName();
        QCOMPARE(labels, QStringList{caption});
        QVERIFY(labelled->text(QAccessible::Name) == accessibleOf(label)->text(QAccessible::Name));
    }

    // The icon and the arrow beside the home screen's Settings button open it too, for the mouse: a screen reader
    // walking the screen finds the button alone, not "Settings" three times.
    void homeSettingsRowIsReadOnce()
    {
        MainWindowHarness h;
        QAccessibleInterface* row = accessibleOf(h.widget("settingsWidget"));
        QStringList children;
        for (int index = 0; index < row->childCount(); ++index)
            children << row->child(index)->object()->objectName();
        QCOMPARE(children, QStringList{QStringLiteral("settingsButton")});
    }

    // Whatever the forms gain later: a control the keyboard reaches without a name is read out as nothing.
    void everyFocusableControlHasAName()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        QStringList nameless;
        for (QWidget* widget : h.window->findChildren<QWidget*>()) {
            if (!(widget->focusPolicy() & Qt::TabFocus) || widget->isHidden())
                continue;
            QAccessibleInterface* accessible = accessibleOf(widget);
            if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
                nameless.append(QLatin1String(widget->metaObject()->className()) + QLatin1Char(' ') +
                                widget->objectName());
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1String(", "))));
    }

    void toggleTellsItsStateAndLooksDisabled()
    {
        MainWindowHarness h;
        h.window->show();
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.status"), 2}}));
        QCOMPARE(accessibleOf(h.toggle())->text(QAccessible::Description), QStringLiteral("On"));
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.status"), 4}}));
        QCOMPARE(accessibleOf(h.toggle())->text(QAccessible::Description), QStringLiteral("Off"));
        QVERIFY(!accessibleOf(h.toggle())->state().disabled);
        const QImage enabled = h.toggle()->grab().toImage();

        h.deliver(agentMessage(0, {{userControlDisabled, true}}));
        QVERIFY(accessibleOf(h.toggle())->state().disabled);
        QCOMPARE(accessibleOf(h.toggle())->text(QAccessible::Description), QStringLiteral("Off"));
        QVERIFY(h.toggle()->grab().toImage() != enabled);
    }

    void spaceAndReturnFlipTheToggle_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("space while off") << 4 << int(Qt::Key_Space) << QByteArray("true");
        QTest::newRow("return while off") << 4 << int(Qt::Key_Return) << QByteArray("true");
        QTest::newRow("space while on") << 2 << int(Qt::Key_Space) << QByteArray("false");
    }
    void spaceAndReturnFlipTheToggle()
    {
        QFETCH(int, status);
        QFETCH(int, key);
        QFETCH(QByteArray, request);
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.status"), status}}));
        QTest::keyClick(h.toggle(), Qt::Key(key));
        QCOMPARE(h.nextRequest(), "{\"enable_secconn_status\":" + request + ",\"type\":8}\n");
    }

    // A screen reader flips the switch through its toggle action, as a user flips it with a key: one request, the
    // interim text, and the switch staying where the agent last put it. A switch the user cannot move sends nothing.
    void switchFlipsThroughItsAccessibleAction_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("linkUp");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("connStatus");
        QTest::newRow("off") << 4 << false << true << false << QByteArray("true") << "Connecting…";
        QTest::newRow("on") << 2 << false << true << true << QByteArray("false") << "Disconnecting…";
        QTest::newRow("locked on") << 2 << true << true << true << QByteArray() << "You're connected!";
        QTest::newRow("agent gone") << 4 << false << false << false << QByteArray()
                                    << "Application service unavailable";
        // Last known on: neither a false "off" nor a stale "on" while the agent cannot say.
        QTest::newRow("agent gone while on")
            << 2 << false << false << true << QByteArray() << "Application service unavailable";
    }
    void switchFlipsThroughItsAccessibleAction()
    {
        QFETCH(int, status);
        QFETCH(bool, locked);
        QFETCH(bool, linkUp);
        QFETCH(bool, checked);
        QFETCH(QByteArray, request);
        QFETCH(QString, connStatus);
        MainWindowHarness h;
        h.window->show();
        h.deliver(agentMessage(
            0, {{QStringLiteral("agentinfo.features.secconn.status"), status}, {userControlDisabled, locked}}));
        if (!linkUp)
            h.drop();
        QAccessibleInterface* control = accessibleOf(h.toggle());
        QCOMPARE(control->role(), QAccessible::CheckBox);
        QVERIFY(control->state().checkable);
        QCOMPARE(bool(control->state().checked), checked && linkUp);
        QCOMPARE(bool(control->state().checkStateMixed), !linkUp);
        // A switch, not a number to set.
        QVERIFY(!control->valueInterface());
        QVERIFY(control->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));

        control->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(h.nextRequest(),
                 request.isEmpty() ? QByteArray() : "{\"enable_secconn_status\":" + request + ",\"type\":8}\n");
        QCOMPARE(h.nextRequest(), QByteArray());
        QCOMPARE(h.text("connStatus"), connStatus);
        QCOMPARE(bool(control->state().checked), checked && linkUp);

        // The agent's report moves the switch and sends nothing.
        if (linkUp) {
            h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.status"), status == 2 ? 4 : 2}}));
            QCOMPARE(bool(control->state().checked), !checked);
            QCOMPARE(h.nextRequest(), QByteArray());
        }
    }

    // What a screen reader makes of the things that are no controls: the QR area says what it holds now, the wait
    // is an animation that says so, the screens' artwork is skipped, and the findings dot has words.
    void picturesAndWaitsReadAsWhatTheyShow()
    {
        MainWindowHarness h;
        h.window->show();
        const QString state = QStringLiteral("agentinfo.activation_state");
        auto* qr = h.window->findChild<QLabel*>(QStringLiteral("qr"));
        QAccessibleInterface* codeArea = accessibleOf(qr);

        h.deliver(agentMessage(0, {{state, 0}}));
        QCOMPARE(codeArea->text(QAccessible::Name), QStringLiteral("Waiting for a new code"));
        QVERIFY(codeArea->text(QAccessible::Description).isEmpty());
        auto* spinner = qr->findChild<WaitingSpinnerWidget*>();
        QVERIFY(spinner);
        QAccessibleInterface* wait = accessibleOf(spinner);
        QCOMPARE(wait->role(), QAccessible::Animation);
        QCOMPARE(wait->text(QAccessible::Name), QStringLiteral("Please wait"));
        QVERIFY(wait->state().busy);

        h.deliver(agentMessage(13, {{state, 0}, {QStringLiteral("response.act_qr_info.code"), "QR-ONE"}}));
        QCOMPARE(codeArea->text(QAccessible::Name), QStringLiteral("QR code ready to scan"));
        // Read among the screen's texts, where a screen reader passes pictures over.
        QCOMPARE(codeArea->role(), QAccessible::StaticText);
        QCOMPARE(codeArea->text(QAccessible::Description),
                 QStringLiteral("Scan this code with your phone to activate this device"));

        h.drop();
        QCOMPARE(codeArea->text(QAccessible::Name),
                 QStringLiteral("The QR code is not available while the Novalume service is unreachable."));
        QVERIFY(codeArea->text(QAccessible::Description).isEmpty());

        auto* artwork = h.window->findChild<QLabel*>(QStringLiteral("staticIcon"));
        QVERIFY(accessibleOf(artwork)->state().invisible);

        h.restore();
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.dpminfo.notify_violation"), true}}));
        QAccessibleInterface* settings = accessibleOf(h.widget("settingsButton"));
        QCOMPARE(settings->text(QAccessible::Description), QStringLiteral("Compliance findings to review"));
        h.deliver(agentMessage(0));
        QVERIFY(settings->text(QAccessible::Description).isEmpty());
    }

    // The ring follows the keyboard: a key's own focus move keeps it; focus moved long after the last key (the agent
    // changing the screen while the user is on the mouse) hides it until the next key.
    void focusRingFollowsTheKeyboardOnly_data()
    {
        QTest::addColumn<int>("followUpMs");
        QTest::addColumn<bool>("ringAfterMove");
        QTest::newRow("moved right after a key") << 60000 << true;
        QTest::newRow("moved long after the last key") << 0 << false;
    }
    void focusRingFollowsTheKeyboardOnly()
    {
        QFETCH(int, followUpMs);
        QFETCH(bool, ringAfterMove);
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.window->show();
        QApplication::setActiveWindow(h.window.get());
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.toggle()->setFocus(Qt::OtherFocusReason);
        auto ring = [&h] {
            return h.window->findChild<QWidget*>(QStringLiteral("focusRing"));
        };
        QVERIFY(!ring() || !ring()->isVisible());
        QTest::keyClick(h.window.get(), Qt::Key_Tab);
        QVERIFY(ring() && ring()->isVisible());

        ScreenLook::setKeyboardFollowUpMs(followUpMs);
        QTest::qWait(5);
        QWidget* elsewhere = QApplication::focusWidget() == h.toggle() ? h.widget("settingsButton") : h.toggle();
        elsewhere->setFocus(Qt::OtherFocusReason);
        QCOMPARE(QApplication::focusWidget(), elsewhere);
        QCOMPARE(ring()->isVisible(), ringAfterMove);
        QTest::keyClick(h.window.get(), Qt::Key_Tab);
        QVERIFY(ring()->isVisible());
        ScreenLook::setKeyboardFollowUpMs(1500);
    }

    // Each screen is reached as the user reaches it: a page of the window, or a sub-screen from its settings row.
    void tabVisitsTheControlsInReadingOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("subScreen");
        QTest::addColumn<QByteArray>("listing");
        QTest::addColumn<QStringList>("order");
        // The brand is one that offers every row of the settings page, or the edition that enrolls by service ID.
        QTest::addColumn<QString>("brandName");
        const auto row = [](const char* name, int page, const char* subScreen, QString order,
                            const QByteArray& listing = QByteArray(), const char* brandName = "dovrin") {
            // Object names with a space are written with an underscore here.
            QStringList names = order.split(QLatin1Char(' '));
            for (QString& objectName : names)
                objectName.replace(QLatin1Char('_'), QLatin1Char(' '));
            QTest::newRow(name) << page << QString::fromLatin1(subScreen) << listing << names
                                << QString::fromLatin1(brandName);
        };
        row("home", MainWindow::HomePage, "", QStringLiteral("toggleButton settingsButton"));
        // Buttons that wait for input (Request activation, Next) are disabled and left out until then.
        row("activation code", MainWindow::ActivatePage, "",
            QStringLiteral("codeInput friendlyName eulaCheckBox eulaButton"));
        row("email", MainWindow::EmailPage, "", QStringLiteral("mailInput skipButton"));
        row("one-time password", MainWindow::EmailPage, "AuthEmail/1",
            QStringLiteral("backButton otpInput cancelButton"));
        row("service ID", MainWindow::ServiceCodePage, "", QStringLiteral("serviceCodeInput submitButton"), {},
            "lumidor");
        row("QR code", MainWindow::ServiceCodePage, "ServiceCode/1", QStringLiteral("backButton regenerateQRButton"),
            {}, "lumidor");
        row("pending", MainWindow::PendingPage, "", QStringLiteral("activationStatusButton settings"));
        // One stop per settings row: its caption takes the focus, its arrow is the same action for the mouse.
        row("settings", MainWindow::SettingsPage, "",
            QStringLiteral("backButton pagNameLabel notificationLabel peerListLabel feedBackLabel supportReportLabel "
                           "deactivateButton "
                           "signOutButton"));
        // Tab leaves the message body instead of typing a tab into it.
        row("feedback", MainWindow::SettingsPage, "feedBackbuttonClicked",
            QStringLiteral("backButton feedBackTitle feedbackBodyText pushButton"));
        // The lists take the focus once they have rows, arrows then move through them; Apply waits for another
        // gateway to be chosen.
        row("gateways", MainWindow::SettingsPage, "goPAGSelection", QStringLiteral("backButton pag_list cancelButton"),
            gatewayListing);
        row("findings", MainWindow::SettingsPage, "goNotification", QStringLiteral("backButton violations_list"),
            QJsonDocument(loadFixture("violation_listing.json")).toJson());
        row("peers", MainWindow::SettingsPage, "goPeerListing", QStringLiteral("backButton peer_list"), peerListing);
    }
    void tabVisitsTheControlsInReadingOrder()
    {
        QFETCH(int, page);
        QFETCH(QString, subScreen);
        QFETCH(QByteArray, listing);
        QFETCH(QStringList, order);
        QFETCH(QString, brandName);
        ScopedBrandProfile scope(brandProfileNamed(brandName));
        MainWindowHarness h;
        const QList<QPair<QString, QJsonValue>> snapshot{
            {QStringLiteral("agentinfo.features.secconn.status"), 2},
            {QStringLiteral("agentinfo.features.secconn.pag_selection_allowed"), true},
            {QStringLiteral("agentinfo.features.edrinfo.dpm_enabled"), true},
            {QStringLiteral("agentinfo.features.secconn.pag.name"), QStringLiteral("Oslo")},
            {QStringLiteral("agentinfo.features.config.user_id_method"), 1},
            {QStringLiteral("agentinfo.user.email"), QStringLiteral("ann@example.com")}};
        h.deliver(agentMessage(0, snapshot));
        h.showPage(page);
        h.window->show();
        QApplication::setActiveWindow(h.window.get());
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QWidget* screen = h.window.get();
        // A sub-screen is a slot of the settings page, or a screen's inner page as "Screen/index".
        const QStringList inner = subScreen.split(QLatin1Char('/'));
        if (inner.size() == 2)
            screenOf(screen, inner.first())
                ->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))
                ->setCurrentIndex(inner.last().toInt());
        else if (!subScreen.isEmpty())
            QVERIFY(QMetaObject::invokeMethod(screenOf(screen, QStringLiteral("Settings")), subScreen.toLatin1()));
        if (!listing.isEmpty()) {
            // The agent answers the screen's request, with its snapshot as it sends every answer.
            QVERIFY(!h.nextRequest().isEmpty());
            const QJsonObject answer = QJsonDocument::fromJson(listing).object();
            QJsonObject message = agentMessage(answer.value(QLatin1String("type")).toInt(), snapshot);
            message.insert(QStringLiteral("response"), answer.value(QLatin1String("response")));
            h.agent.send(QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n');
            QTRY_VERIFY(h.window->findChild<QWidget*>(order.at(1))->isVisible());
        }
        QWidget* first = nullptr;
        for (QWidget* candidate : screen->findChildren<QWidget*>(order.first()))
            if (candidate->isVisible())
                first = candidate;
        QVERIFY(first);
        first->setFocus(Qt::TabFocusReason);
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int step = 1; step < order.size() + 1; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        // After the last control the order starts again: nothing else of the page lies in between.
        QVERIFY2(visited.mid(0, order.size()) == order, qPrintable(visited.join(QLatin1Char(' '))));
        QCOMPARE(visited.last(), order.first());
        QWidget* ring = h.window->findChild<QWidget*>(QStringLiteral("focusRing"));
        QVERIFY(ring->isVisible());
        // Mouse users are not shown the ring.
        QTest::mouseClick(h.window->findChild<QWidget*>(QStringLiteral("titleBar")), Qt::LeftButton);
        QVERIFY(!ring->isVisible());
    }

    // The keyboard alone: Return on a settings row opens its screen, arrows choose a gateway, Return applies it.
    void keyboardAloneChoosesAGateway()
    {
        ScopedBrandProfile dovrin(brandProfileNamed(QStringLiteral("dovrin")));
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.secconn.pag_selection_allowed"), true},
                                   {QStringLiteral("agentinfo.features.secconn.pag.name"), QStringLiteral("Oslo")},
                                   {QStringLiteral("agentinfo.user.pref_pag.id"), QStringLiteral("osl")}}));
        h.showPage(MainWindow::SettingsPage);
        h.window->show();
        QApplication::setActiveWindow(h.window.get());
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));

        QTest::keyClick(h.widget("pagNameLabel"), Qt::Key_Return);
        QCOMPARE(h.nextRequest(), QByteArray("{\"type\":10}\n"));
        QJsonObject answer = agentMessage(9, {{QStringLiteral("agentinfo.user.pref_pag.id"), QStringLiteral("osl")}});
        answer.insert(QStringLiteral("response"),
                      QJsonDocument::fromJson(gatewayListing).object().value(QLatin1String("response")));
        h.agent.send(QJsonDocument(answer).toJson(QJsonDocument::Compact) + '\n');
        auto* list = qobject_cast<QAbstractItemView*>(h.widget("pag list"));
        QTRY_VERIFY(list->isVisible());
        auto* apply = qobject_cast<QPushButton*>(h.widget("applyButton"));
        QVERIFY(!apply->isEnabled());

        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(apply->isEnabled());
        QTest::keyClick(list, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), apply);
        QTest::keyClick(apply, Qt::Key_Return);
        const QByteArray request = h.nextRequest();
        QVERIFY2(request.contains("\"ber\""), request.constData());
        // Taken: the screen leads home, and the keyboard is on the switch there rather than nowhere.
        h.deliver(agentMessage(10));
        QCOMPARE(h.page(), int(MainWindow::HomePage));
        QCOMPARE(QApplication::focusWidget(), h.toggle());
    }

    // A screen reader tells a screen's name with the control the keyboard lands on when it comes into the screen.
    void screensAreReadByTheirNames_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("name");
        // The settings page by its title bar, where the keyboard lands: named whole, its rows' values would be read.
        QTest::newRow("settings") << "Settings"
                                  << "settingsLabel/.."
                                  << "Settings";
        QTest::newRow("feedback") << "Feedback"
                                  << ""
                                  << "Feedback";
        QTest::newRow("gateways") << "PagSelection"
                                  << ""
                                  << "Preferred Gateway";
        QTest::newRow("approval pending") << "ActivationPending"
                                          << ""
                                          << "Activation is pending…";
        QTest::newRow("sign-in") << "AuthEmail"
                                 << "authEmail"
                                 << "Sign In";
    }
    void screensAreReadByTheirNames()
    {
        QFETCH(QString, screen);
        QFETCH(QString, part);
        QFETCH(QString, name);
        MainWindowHarness h;
        QWidget* named = screenOf(h.window.get(), screen);
        for (const QString& step : part.split(QLatin1Char('/'), Qt::SkipEmptyParts))
            named = step == QLatin1String("..") ? named->parentWidget() : named->findChild<QWidget*>(step);
        QAccessibleInterface* read = accessibleOf(named);
        QCOMPARE(read->role(), QAccessible::Grouping);
        QCOMPARE(read->text(QAccessible::Name), name);
        // The stacks the screens lie in are passed over, not read as "layered pane".
        for (QWidget* stack : {h.widget("screenStack"), h.widget("settingsStack"),
                               screenOf(h.window.get(), QStringLiteral("AuthEmail"))
                                   ->findChild<QWidget*>(QStringLiteral("stackedWidget")),
                               screenOf(h.window.get(), QStringLiteral("ServiceCode"))
                                   ->findChild<QWidget*>(QStringLiteral("stackedWidget"))})
            QCOMPARE(accessibleOf(stack)->role(), QAccessible::Client);
    }

    // The home screen by the enterprise the device belongs to, once the agent has named it.
    void homeIsReadByTheEnterprise()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.ent_name"), QStringLiteral("Acme Industries")}}));
        QAccessibleInterface* home = accessibleOf(h.widget("connPage"));
        QCOMPARE(home->role(), QAccessible::Grouping);
        QCOMPARE(home->text(QAccessible::Name), QStringLiteral("Acme Industries"));
    }

    // A message box is read by its text, once: the box is named after it and its labels leave the tree. Markup in a
    // rich box is not read out; a plain box's text is read as it stands, brackets and all.
    void messageBoxIsNamedAfterItsText_data()
    {
        QTest::addColumn<Qt::TextFormat>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("informative");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << Qt::PlainText << "Ticket ID: <b>7</b>" << QString() << "Ticket ID: <b>7</b>";
        QTest::newRow("rich") << Qt::AutoText << "Ticket <b>7</b> filed." << QString() << "Ticket 7 filed.";
        QTest::newRow("with informative text") << Qt::PlainText << "Deactivate this device?"
                                               << "It leaves the organisation."
                                               << "Deactivate this device? It leaves the organisation.";
    }
    void messageBoxIsNamedAfterItsText()
    {
        QFETCH(Qt::TextFormat, format);
        QFETCH(QString, text);
        QFETCH(QString, informative);
        QFETCH(QString, name);
        auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Novalume"), QString());
        box->setTextFormat(format);
        box->setText(text);
        box->setInformativeText(informative);
        ModalDialog::open(box);
        QAccessibleInterface* told = accessibleOf(box);
        QCOMPARE(told->text(QAccessible::Name), name);
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            if (!label->text().isEmpty() && label->isVisibleTo(box))
                QVERIFY(accessibleOf(const_cast<QLabel*>(label))->state().invisible);
        }
        box->close();
    }

    // The keyboard starts at the top of a screen the window moves to on the agent's word, rather than where Qt left
    // it when the screen it was on went.
    void aNewScreenStartsAtItsFirstControl_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::addColumn<QJsonObject>("before");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QJsonObject>("after");
        QTest::addColumn<QString>("lands");
        const QString state = QStringLiteral("agentinfo.activation_state");
        const QJsonObject enrolled = agentMessage(0);
        const QJsonObject pending = agentMessage(0, {{state, 2}});
        QTest::newRow("approval pending") << "" << enrolled << "toggleButton" << pending << "activationStatusButton";
        QTest::newRow("approved") << "" << pending << "activationStatusButton" << enrolled << "toggleButton";
        QTest::newRow("sign-in needed") << "kivora" << enrolled << "toggleButton"
                                        << agentMessage(
                                               0, {{QStringLiteral("agentinfo.features.config.user_id_method"), 1}})
                                        << "mailInput";
    }
    void aNewScreenStartsAtItsFirstControl()
    {
        QFETCH(QString, brandName);
        QFETCH(QJsonObject, before);
        QFETCH(QString, from);
        QFETCH(QJsonObject, after);
        QFETCH(QString, lands);
        ScopedBrandProfile profile(brandName.isEmpty() ? BrandProfile(brand()) : brandProfileNamed(brandName));
        MainWindowHarness h;
        h.deliver(before);
        h.window->show();
        QApplication::setActiveWindow(h.window.get());
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.widget(qPrintable(from))->setFocus(Qt::TabFocusReason);
        h.deliver(after);
        QCOMPARE(QApplication::focusWidget()->objectName(), lands);
    }

    // Settings opens at its first control, Back; Back leads home to the button the page was opened from.
    void settingsOpensAtBackAndReturnsToItsButton()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.window->show();
        QApplication::setActiveWindow(h.window.get());
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QWidget* opener = h.widget("settingsButton");
        opener->setFocus(Qt::TabFocusReason);
        QTest::keyClick(opener, Qt::Key_Return);
        QCOMPARE(h.page(), int(MainWindow::SettingsPage));
        QWidget* back = QApplication::focusWidget();
        QCOMPARE(back->objectName(), QStringLiteral("backButton"));
        QTest::keyClick(back, Qt::Key_Return);
        QCOMPARE(h.page(), int(MainWindow::HomePage));
        QCOMPARE(QApplication::focusWidget(), opener);
    }

    // The switch the keyboard was on goes with the link and gets the keyboard back when the agent returns, unless the
    // user has moved on meanwhile.
    void theKeyboardComesBackWithTheLink_data()
    {
        QTest::addColumn<bool>("movedOn");
        QTest::newRow("left alone") << false;
        QTest::newRow("moved on") << true;
    }
    void theKeyboardComesBackWithTheLink()
    {
        QFETCH(bool, movedOn);
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.window->show();
        QApplication::setActiveWindow(h.window.get());
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.toggle()->setFocus(Qt::TabFocusReason);
        h.drop();
        QVERIFY(QApplication::focusWidget() != h.toggle());
        QWidget* settings = h.widget("settingsButton");
        if (movedOn)
            settings->setFocus(Qt::TabFocusReason);
        h.restore();
        h.deliver(agentMessage(0));
        QCOMPARE(QApplication::focusWidget(), movedOn ? settings : static_cast<QWidget*>(h.toggle()));
    }

    void escapeGoesBackFromTheInnermostScreen()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.showPage(MainWindow::SettingsPage);
        auto* settings = static_cast<Settings*>(screenOf(h.window.get(), QStringLiteral("Settings")));
        auto* feedback = static_cast<Feedback*>(screenOf(h.window.get(), QStringLiteral("Feedback")));
        QSignalSpy home(settings, &Settings::goHome);
        QSignalSpy fromFeedback(feedback, &Feedback::goSettings);
        h.window->show();
        settings->feedBackbuttonClicked();

        QTest::keyClick(feedback->findChild<QLineEdit*>(QStringLiteral("feedBackTitle")), Qt::Key_Escape);
        QCOMPARE(fromFeedback.size(), 1);
        QCOMPARE(home.size(), 0);

        QTest::keyClick(settings->findChild<QWidget*>(QStringLiteral("backButton")), Qt::Key_Escape);
        QCOMPARE(home.size(), 1);
    }

    void artworkKeepsItsAspectRatio_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("home") << QStringLiteral("MainWindow");
        QTest::newRow("activation code") << QStringLiteral("Activate");
        QTest::newRow("email") << QStringLiteral("AuthEmail");
        QTest::newRow("otp") << QStringLiteral("OtpScreen");
    }
    void artworkKeepsItsAspectRatio()
    {
        QFETCH(QString, screen);
        MainWindowHarness h;
        auto* icon = screenOf(h.window.get(), screen)->findChild<QLabel*>(QStringLiteral("staticIcon"));
        const QSize source = QPixmap(brand().connectImagePath).size();
        const QPixmap shown = icon->pixmap(Qt::ReturnByValue);
        QVERIFY(!icon->hasScaledContents());
        QVERIFY(shown.width() <= icon->width() && shown.height() <= icon->height());
        // Within the rounding to whole pixels.
        const double wantedHeight = double(shown.width()) * source.height() / source.width();
        QVERIFY2(qAbs(shown.height() - wantedHeight) <= 1.0, qPrintable(QStringLiteral("%1x%2 of %3x%4")
                                                                            .arg(shown.width())
                                                                            .arg(shown.height())
                                                                            .arg(source.width())
                                                                            .arg(source.height())));
    }

    // The screen's style sheet paints placeholders in the text colour, also when it is set again.
    void placeholdersAreLighterThanText()
    {
        MainWindowHarness h;
        QWidget* email = screenOf(h.window.get(), QStringLiteral("AuthEmail"));
        auto* field = email->findChild<QLineEdit*>(QStringLiteral("mailInput"));
        h.window->show();
        email->setStyleSheet(email->styleSheet() + QLatin1Char(' '));
        QVERIFY(field->palette().color(QPalette::PlaceholderText) != field->palette().color(QPalette::Text));
        QVERIFY(field->palette().color(QPalette::PlaceholderText).lightness() > 100);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
