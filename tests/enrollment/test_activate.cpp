#include "app/startup.h"
#include "app/theme.h"
#include "enrollment/activate.h"
#include "tests/enrollment/enrollmenttestkit.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QSignalSpy>

// Records the addresses handed to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class TestActivate : public QObject
{
    Q_OBJECT
private:
    static QLineEdit* codeInput(const Activate& s) { return child<QLineEdit>(&s, "codeInput"); }
    static QLineEdit* friendlyName(const Activate& s) { return child<QLineEdit>(&s, "friendlyName"); }
    static QCheckBox* eulaBox(const Activate& s) { return child<QCheckBox>(&s, "eulaCheckBox"); }
    static QPushButton* activateButton(const Activate& s) { return child<QPushButton>(&s, "activateButton"); }

private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void requestIsBuiltFromTheFields_data()
    {
        QTest::addColumn<int>("activationType");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("actCode");
        QTest::addColumn<QString>("actCodeName");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("emailName");
        QTest::addColumn<int>("otp");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("code and name trimmed")
            << 0 << " \tABC-123 "
            << "  my pc "
            << "ABC-123"
            << "my pc"
            << ""
            << "" << 0
            << QByteArray(R"({"activation_req":{"act_code":{"code":"ABC-123","name":"my pc"},"act_type":0},"type":2})"
                          "\n");
        QTest::newRow("code of blanks sent empty")
            << 0 << "   "
            << ""
            << ""
            << ""
            << ""
            << "" << 0
            << QByteArray(R"({"activation_req":{"act_code":{"code":"","name":""},"act_type":0},"type":2})"
                          "\n");
        QTest::newRow("email and name trimmed, no OTP")
            << 2 << " a@b.example "
            << " desk "
            << ""
            << ""
            << "a@b.example"
            << "desk" << -1
            << QByteArray(
                   R"({"activation_req":{"act_email":{"email":"a@b.example","name":"desk"},"act_type":2},"type":2})"
                   "\n");
        QTest::newRow("email of blanks sent empty")
            << 2 << "  "
            << ""
            << ""
            << ""
            << ""
            << "" << -1
            << QByteArray(R"({"activation_req":{"act_email":{"email":"","name":""},"act_type":2},"type":2})"
                          "\n");
    }
    void requestIsBuiltFromTheFields()
    {
        QFETCH(int, activationType);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, actCode);
        QFETCH(QString, actCodeName);
        QFETCH(QString, email);
        QFETCH(QString, emailName);
        QFETCH(int, otp);
        QFETCH(QByteArray, line);
        ActivationTypeScope type(activationType);
        AgentLink agent;
        Activate screen;
        QStringList order;
        ActivationReq sent;
        ActivationReq handedOn;
        connect(&screen, &Activate::activate, this, [&](ActivationReq r) {
            order << QStringLiteral("activate");
            sent = r;
        });
        connect(&screen, &Activate::sendtoOtpScreen, this, [&](ActivationReq r) {
            order << QStringLiteral("sendtoOtpScreen");
            handedOn = r;
        });
        QSignalSpy spinner(&screen, &Activate::startSpinner);

        QTest::keyClicks(codeInput(screen), code);
        QTest::keyClicks(friendlyName(screen), name);
        eulaBox(screen)->setChecked(true);
        activateButton(screen)->click();

        QCOMPARE(sent.actType, activationType);
        QCOMPARE(sent.actCode, actCode);
        QCOMPARE(sent.actCodeName, actCodeName);
        QCOMPARE(sent.email, email);
        QCOMPARE(sent.emailName, emailName);
        QCOMPARE(sent.otp, otp);
        QVERIFY(sent.qrCode.isEmpty() && sent.serviceId.isEmpty());
        if (activationType == ActivationType::Email) {
            QCOMPARE(order, QStringList({QStringLiteral("activate"), QStringLiteral("sendtoOtpScreen")}));
            QCOMPARE(handedOn.email, email);
            QCOMPARE(handedOn.emailName, emailName);
            QCOMPARE(handedOn.otp, -1);
        } else {
            QCOMPARE(order, QStringList{QStringLiteral("activate")});
        }
        QCOMPARE(agent.nextRequest(), line);
        QCOMPARE(spinner.size(), 1);
        QCOMPARE(spinner.at(0).at(0).value<QWidget*>(), &screen);
        QCOMPARE(spinner.at(0).at(1).toBool(), true);
        QVERIFY(!activateButton(screen)->isEnabled());
    }

    void buttonFollowsCodeAndLicence_data()
    {
        QTest::addColumn<int>("activationType");
        QTest::addColumn<bool>("takesRequests");
        QTest::newRow("activation code") << 0 << true;
        QTest::newRow("service ID build never sends from here") << 1 << false;
        QTest::newRow("email") << 2 << true;
    }
    void buttonFollowsCodeAndLicence()
    {
        QFETCH(int, activationType);
        QFETCH(bool, takesRequests);
        ActivationTypeScope type(activationType);
        AgentLink agent;
        Activate screen;
        QSignalSpy requests(&screen, &Activate::activate);
        QSignalSpy spinner(&screen, &Activate::startSpinner);
        QPushButton* button = activateButton(screen);

        QVERIFY(!button->isEnabled());
        eulaBox(screen)->setChecked(true);
        QVERIFY(!button->isEnabled());
        QTest::keyClicks(friendlyName(screen), QStringLiteral("pc"));
        QVERIFY(!button->isEnabled());
        QTest::keyClicks(codeInput(screen), QStringLiteral("x"));
        QCOMPARE(button->isEnabled(), takesRequests);
        eulaBox(screen)->setChecked(false);
        QVERIFY(!button->isEnabled());
        eulaBox(screen)->setChecked(true);
        QCOMPARE(button->isEnabled(), takesRequests);

        QTest::keyClick(codeInput(screen), Qt::Key_Return);
        QCOMPARE(requests.size(), takesRequests ? 1 : 0);
        QCOMPARE(spinner.size(), takesRequests ? 1 : 0);
        QCOMPARE(agent.nextRequest().isEmpty(), !takesRequests);
        QVERIFY(!button->isEnabled());
        QTest::keyClicks(codeInput(screen), QStringLiteral("y"));
        QCOMPARE(button->isEnabled(), takesRequests);

        screen.clearActivationScreen();
        QVERIFY(!button->isEnabled());
        QVERIFY(codeInput(screen)->text().isEmpty());
        QVERIFY(friendlyName(screen)->text().isEmpty());
        QVERIFY(!eulaBox(screen)->isChecked());
    }

    void enterNeedsTheTickedLicenceBox_data()
    {
        QTest::addColumn<int>("activationType");
        QTest::newRow("activation code") << 0;
        QTest::newRow("email") << 2;
    }
    void enterNeedsTheTickedLicenceBox()
    {
        QFETCH(int, activationType);
        ActivationTypeScope type(activationType);
        AgentLink agent;
        Activate screen;
        QSignalSpy requests(&screen, &Activate::activate);
        QSignalSpy handedOn(&screen, &Activate::sendtoOtpScreen);
        QSignalSpy spinner(&screen, &Activate::startSpinner);

        QTest::keyClicks(codeInput(screen), QStringLiteral("ABC"));
        QTest::keyClick(codeInput(screen), Qt::Key_Return);
        QCOMPARE(requests.size(), 0);
        QCOMPARE(handedOn.size(), 0);
        QCOMPARE(spinner.size(), 0);
        QVERIFY(agent.nextRequest().isEmpty());

        eulaBox(screen)->setChecked(true);
        QTest::keyClick(codeInput(screen), Qt::Key_Return);
        QCOMPARE(requests.size(), 1);
        QVERIFY(!agent.nextRequest().isEmpty());
    }

    void activationErrorTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text"); // empty: the status line is left alone
        QTest::newRow("1") << 1 << "Invalid activation code";
        QTest::newRow("2") << 2 << "Invalid device name";
        QTest::newRow("8") << 8 << "Activation failed due to connectivity issues";
        QTest::newRow("15") << 15 << "Agent not activated";
        QTest::newRow("21") << 21 << "Duplicate device name";
        QTest::newRow("30") << 30 << "Device activation is not allowed. Please contact your administrator.";
        QTest::newRow("31") << 31 << "Activation code expired";
        QTest::newRow("32") << 32 << "Maximum number of devices reached for your account";
        QTest::newRow("0 success ignored") << 0 << "";
        QTest::newRow("3 invalid email ignored") << 3 << "";
        QTest::newRow("14 accepted ignored") << 14 << "";
        QTest::newRow("20 pending ignored") << 20 << "";
        QTest::newRow("27 unknown ignored") << 27 << "";
    }
    void activationErrorTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        AgentLink agent;
        Activate screen;
        child<QLabel>(&screen, "statusMessage")->setText(QStringLiteral("earlier"));

        screen.activationError(ResponseType(code));

        const QList<QTimer*> timers =
            screen.findChildren<QTimer*>(QStringLiteral("statusClearTimer"), Qt::FindDirectChildrenOnly);
        if (text.isEmpty()) {
            QCOMPARE(labelText(&screen, "statusMessage"), QStringLiteral("earlier"));
            QVERIFY(timers.isEmpty());
            return;
        }
        QCOMPARE(labelText(&screen, "statusMessage"), text);
        QCOMPARE(timers.size(), 1);
        QCOMPARE(timers.first()->interval(), 5000);
        fireTimers(&screen, QStringLiteral("statusClearTimer"), Qt::FindDirectChildrenOnly);
        QVERIFY(labelText(&screen, "statusMessage").isEmpty());
    }

    void eachStatusTimerClearsWhateverIsShowing()
    {
        AgentLink agent;
        Activate screen;
        screen.activationError(InvalidActivationCode);
        screen.userAuthMessages(QStringLiteral("Invalid email. Please contact your administrator."));
        QCOMPARE(labelText(&screen, "statusMessage"),
                 QStringLiteral("Invalid email. Please contact your administrator."));

        const QList<QTimer*> timers =
            screen.findChildren<QTimer*>(QStringLiteral("statusClearTimer"), Qt::FindDirectChildrenOnly);
        QCOMPARE(timers.size(), 2);
        QCOMPARE(timers.at(1)->interval(), 5000);
        timers.first()->start(0);
        QTRY_VERIFY(labelText(&screen, "statusMessage").isEmpty());
    }

    void linkDownSendsNothingAndKeepsTheInput()
    {
        ActivationTypeScope type(ActivationType::ActivationCode);
        AgentLink agent;
        Activate screen;
        QSignalSpy requests(&screen, &Activate::activate);
        QSignalSpy spinner(&screen, &Activate::startSpinner);
        QTest::keyClicks(codeInput(screen), QStringLiteral("ABC-123"));
        QTest::keyClicks(friendlyName(screen), QStringLiteral("desk"));
        eulaBox(screen)->setChecked(true);

        agent.drop();
        screen.showAgentUnavailable();
        QCOMPARE(labelText(&screen, "statusMessage"), firstRunUnavailable);
        activateButton(screen)->click();
        QTest::keyClick(codeInput(screen), Qt::Key_Return);
        QCOMPARE(requests.size(), 0);
        QCOMPARE(spinner.size(), 0);
        QVERIFY(agent.nextRequest().isEmpty());
        QCOMPARE(labelText(&screen, "statusMessage"), firstRunUnavailable);
        QCOMPARE(codeInput(screen)->text(), QStringLiteral("ABC-123"));
        QCOMPARE(friendlyName(screen)->text(), QStringLiteral("desk"));
        QVERIFY(activateButton(screen)->isEnabled());

        agent.restore();
        screen.clearAgentUnavailable();
        QVERIFY(labelText(&screen, "statusMessage").isEmpty());
        activateButton(screen)->click();
        QCOMPARE(requests.size(), 1);
        QVERIFY(!agent.nextRequest().isEmpty());

        // Only the link text goes when the link returns; an agent's answer stays for its own time.
        screen.activationError(DuplicateDeviceName);
        screen.clearAgentUnavailable();
        QCOMPARE(labelText(&screen, "statusMessage"), QStringLiteral("Duplicate device name"));
    }

    void formFollowsTheBrand_data()
    {
        QTest::addColumn<int>("activationType");
        QTest::addColumn<QString>("placeholder");
        QTest::addColumn<bool>("adminHintShown");
        QTest::newRow("activation code") << 0 << "Activation code" << true;
        QTest::newRow("email") << 2 << "Email" << false;
    }
    void formFollowsTheBrand()
    {
        QFETCH(int, activationType);
        QFETCH(QString, placeholder);
        QFETCH(bool, adminHintShown);
        ActivationTypeScope type(activationType);
        AgentLink agent;
        Activate screen;
        QCOMPARE(codeInput(screen)->placeholderText(), placeholder);
        QCOMPARE(child(&screen, "contactAdminLabel")->isHidden(), !adminHintShown);
        QVERIFY(child(&screen, "contactSupportWidget")->isHidden());
        QCOMPARE(labelText(&screen, "titleBar"), brand().displayName);
        QCOMPARE(child(&screen, "titleBar")->styleSheet(),
                 fillThemeColors(StyleTemplate::titleBar, ThemeColors::brandColors()));
        QCOMPARE(activateButton(screen)->styleSheet(),
                 fillThemeColors(StyleTemplate::largeButton, ThemeColors::brandColors()));
        QCOMPARE(codeInput(screen)->maxLength(), 100);
        QCOMPARE(friendlyName(screen)->maxLength(), 100);
    }

    void linksOpenOnlyTheBrandsAddresses_data()
    {
        QTest::addColumn<QString>("brandName");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("opened"); // empty: nothing opened
        QTest::newRow("EULA") << "lumidor"
                              << "eulaButton"
                              << "https://www.lumidor.example/eula";
        QTest::newRow("support") << "lumidor"
                                 << "linkIcon"
                                 << "https://support.lumidor.example/";
        QTest::newRow("no EULA address") << "novalume"
                                         << "eulaButton"
                                         << "";
        QTest::newRow("no support address") << "novalume"
                                            << "linkIcon"
                                            << "";
    }
    void linksOpenOnlyTheBrandsAddresses()
    {
        QFETCH(QString, brandName);
        QFETCH(QString, button);
        QFETCH(QString, opened);
        ScopedBrandProfile profile(brandProfileNamed(brandName));
        AgentLink agent;
        Activate screen;
        UrlCatcher catcher;
        for (const char* scheme : {"http", "https", "file", ""})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");

        screen.findChild<QPushButton*>(button)->click();

        for (const char* scheme : {"http", "https", "file", ""})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        if (opened.isEmpty())
            QVERIFY(catcher.opened.isEmpty());
        else
            QCOMPARE(catcher.opened, QList<QUrl>{QUrl(opened)});
    }
};

QTEST_MAIN(TestActivate)
#include "test_activate.moc"
