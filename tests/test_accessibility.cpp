// What a screen reader and a keyboard meet on every screen: names and roles through QAccessible, the switch's
// state, the tab order, Escape on the screens with a back button, and the looks that stood for states.

#include "app/screenlook.h"
#include "app/startup.h"
#include "enrollment/activate.h"
#include "enrollment/authemail.h"
#include "settings/feedback.h"
#include "settings/settings.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(QAccessible::Role)

namespace {

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
        row("MainWindow", "toggleButton", QAccessible::Slider, "Secure Access");
        row("MainWindow", "settingsIcon", QAccessible::Button, "Settings");
        row("MainWindow", "settingsNavButton", QAccessible::Button, "Settings");
        row("Activate", "codeInput", QAccessible::EditableText, "Activation code");
        row("Activate", "friendlyName", QAccessible::EditableText, "Device name (optional)");
        row("Activate", "eulaCheckBox", QAccessible::CheckBox,
            "I have read and agree to terms of End User License Agreement");
        row("Activate", "linkIcon", QAccessible::Button, "Contact Support");
        row("ActivationPending", "settingsIco", QAccessible::Button, "Settings");
        row("ActivationPending", "settingsNav", QAccessible::Button, "Settings");
        row("AuthEmail", "mailInput", QAccessible::EditableText, "Email Address");
        row("OtpScreen", "otpInput", QAccessible::EditableText, "OTP");
        row("OtpScreen", "backButton", QAccessible::Button, "Back");
        row("ServiceCode", "serviceCodeInput", QAccessible::EditableText, "Service ID");
        row("QRCodeScreen", "backButton", QAccessible::Button, "Back");
        row("QRCodeScreen", "qr", QAccessible::StaticText, "QR code");
        row("Settings", "backButton", QAccessible::Button, "Back");
        row("Settings", "pagButton", QAccessible::Button, "Access Gateway");
        row("Settings", "notificationButton", QAccessible::Button, "Notification");
        row("Settings", "peerListButton", QAccessible::Button, "View All Devices");
        row("Settings", "feedBackButton", QAccessible::Button, "Feedback");
        row("Settings", "resetDeviceButton", QAccessible::Button, "Deactivate ");
        row("Settings", "signOutIcon", QAccessible::Button, "Sign Out");
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

    void tabVisitsTheControlsInReadingOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("home") << int(MainWindow::HomePage)
                              << QStringList{QStringLiteral("toggleButton"), QStringLiteral("settingsButton")};
        // Buttons that wait for input (Request to Activate, Next) are disabled and left out until then.
        QTest::newRow("activation code") << int(MainWindow::ActivatePage)
                                         << QStringList{QStringLiteral("codeInput"), QStringLiteral("friendlyName"),
                                                        QStringLiteral("eulaCheckBox"), QStringLiteral("eulaButton")};
        QTest::newRow("email") << int(MainWindow::EmailPage)
                               << QStringList{QStringLiteral("mailInput"), QStringLiteral("skipButton")};
    }
    void tabVisitsTheControlsInReadingOrder()
    {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.showPage(page);
        h.window->show();
        QApplication::setActiveWindow(h.window.get());
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        h.window->findChild<QWidget*>(order.first())->setFocus(Qt::TabFocusReason);
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
