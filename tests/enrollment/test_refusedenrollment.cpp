#include "app/brandprofile.h"
#include "app/startup.h"
#include "enrollment/activate.h"
#include "enrollment/qrcodescreen.h"
#include "tests/enrollment/enrollmenttestkit.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QCheckBox>
#include <QJsonDocument>
#include <QSignalSpy>

namespace {
const QString activationState = QStringLiteral("agentinfo.activation_state");
const QString dataAvailable = QStringLiteral("agentinfo.features.data_available");
const QString responseType = QStringLiteral("response.type");
const QString qrCode = QStringLiteral("response.act_qr_info.code");
const QString retryTimer = QStringLiteral("qrRetryTimer");
const QString denied = QStringLiteral("Your administrator did not approve the activation of this device.");

QByteArray wire(const QJsonObject& message)
{
    return QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray activationLine(const char* code)
{
    return QByteArray(R"({"activation_req":{"act_qr":{"code":")") + code + R"(","svc_id":""},"act_type":1},"type":2})" +
           '\n';
}
const QByteArray qrRequest = QByteArray(R"({"act_qr_info_req":{},"type":13})") + '\n';
const QByteArray newQrRequest = QByteArray(R"({"act_qr_info_req":{"regenerate_code":true},"type":13})") + '\n';

int countLines(const QByteArray& bytes, const char* needle)
{
    int count = 0;
    for (const QByteArray& line : bytes.split('\n'))
        count += line.contains(needle) ? 1 : 0;
    return count;
}

// An agent that hands out a QR code whenever asked and answers every activation with `code`.
FakeAgent::Responder answeringEveryActivationWith(int code)
{
    return [code](const QByteArray& line) {
        if (line.contains("act_qr_info_req"))
            return wire(agentMessage(13, {{activationState, 0}, {responseType, 0}, {qrCode, "QR-HELD"}}));
        if (line.contains("activation_req"))
            return wire(agentMessage(1, {{activationState, 0}, {responseType, code}}));
        return QByteArray();
    };
}

// The lines the window has written and the agent has not read yet.
QList<QByteArray> pendingRequests(MainWindowHarness& h)
{
    QList<QByteArray> lines;
    for (QByteArray line = h.nextRequest(300); !line.isEmpty(); line = h.nextRequest(300))
        lines.append(line);
    return lines;
}
} // namespace

class TestRefusedEnrollment : public QObject
{
    Q_OBJECT
private:
    static QRCodeScreen* qrScreen(MainWindowHarness& h) { return h.window->findChild<QRCodeScreen*>(); }

private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void refusingAgentSeesAHandfulOfRequests_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        QTest::newRow("32 maximum devices") << 32 << "Maximum number of devices reached for your account";
        QTest::newRow("31 expired") << 31 << "Activation code expired";
        QTest::newRow("15 not activated") << 15 << "Agent not activated";
        QTest::newRow("1 invalid") << 1 << "Invalid activation code";
        QTest::newRow("21 duplicate name") << 21 << "Duplicate device name";
        QTest::newRow("30 not allowed") << 30 << "Device activation is not allowed. Please contact your administrator.";
    }
    void refusingAgentSeesAHandfulOfRequests()
    {
        QFETCH(int, code);
        QFETCH(QString, reason);
        QVERIFY(brand().isServiceIdEdition());
        MainWindowHarness h;
        h.agent.setResponder(answeringEveryActivationWith(code));
        // As at start-up: no data yet, then data; each asks for the activation page.
        h.agent.send(wire(agentMessage(0, {{activationState, 0}, {dataAvailable, false}})));
        QTest::qWait(200);
        h.agent.send(wire(agentMessage(0, {{activationState, 0}})));
        for (int step = 0; step < 3; ++step) {
            QTest::qWait(500);
            fireTimers(h.window.get(), retryTimer);
        }
        QCOMPARE(countLines(h.agent.bytesReceived(), "activation_req"), 1);
        QVERIFY(countLines(h.agent.bytesReceived(), "act_qr_info_req") <= 2);
        QCOMPARE(h.page(), int(MainWindow::ServiceCodePage));
        QCOMPARE(labelText(qrScreen(h), "statusMessage"), reason);

        // Trying again is the user's decision, and it is one attempt.
        QTest::mouseClick(child<QPushButton>(qrScreen(h), "regenerateQRButton"), Qt::LeftButton);
        QTRY_COMPARE(countLines(h.agent.bytesReceived(), "activation_req"), 2);
        QTest::qWait(500);
        fireTimers(h.window.get(), retryTimer);
        QCOMPARE(countLines(h.agent.bytesReceived(), "activation_req"), 2);
        QCOMPARE(countLines(h.agent.bytesReceived(), "regenerate_code"), 1);
        QCOMPARE(labelText(qrScreen(h), "statusMessage"), reason);
    }

    void oneHeldCodeRetryAtATime()
    {
        MainWindowHarness h;
        h.agent.setResponder(answeringEveryActivationWith(33));
        h.agent.send(wire(agentMessage(0, {{activationState, 0}, {dataAvailable, false}})));
        h.agent.send(wire(agentMessage(0, {{activationState, 0}})));
        QTRY_COMPARE(h.window->findChildren<QTimer*>(retryTimer).size(), 1);
        // Data coming and going, and the user regenerating the code, bring new codes but no second chain.
        h.agent.send(wire(agentMessage(0, {{activationState, 0}, {dataAvailable, false}})));
        h.agent.send(wire(agentMessage(0, {{activationState, 0}})));
        QTest::mouseClick(child<QPushButton>(qrScreen(h), "regenerateQRButton"), Qt::LeftButton);
        QTest::qWait(500);
        QCOMPARE(h.window->findChildren<QTimer*>(retryTimer).size(), 1);
        QCOMPARE(h.window->findChildren<QTimer*>(retryTimer).first()->interval(), 5000);

        pendingRequests(h);
        fireTimers(h.window.get(), retryTimer);
        QCOMPARE(pendingRequests(h), QList<QByteArray>{activationLine("QR-HELD")});
        QCOMPARE(h.window->findChildren<QTimer*>(retryTimer).size(), 1);
    }

    void retryDueWhileTheLinkIsDownWaitsForIt()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{activationState, 0}}));
        h.deliver(agentMessage(13, {{activationState, 0}, {qrCode, "QR-HELD"}}));
        h.deliver(agentMessage(1, {{activationState, 0}, {responseType, 33}}));
        QCOMPARE(pendingRequests(h), QList<QByteArray>({qrRequest, activationLine("QR-HELD")}));

        h.drop();
        QCOMPARE(fireTimers(h.window.get(), retryTimer), 1);
        QVERIFY(pendingRequests(h).isEmpty());

        h.restore();
        QVERIFY(pendingRequests(h).contains(qrRequest));
        QCOMPARE(fireTimers(h.window.get(), retryTimer), 1);
        QCOMPARE(pendingRequests(h), QList<QByteArray>{activationLine("QR-HELD")});
    }

    void retryEndsOnceTheDeviceIsEnrolledOrWaiting_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("activated") << 1;
        QTest::newRow("waiting for approval") << 2;
    }
    void retryEndsOnceTheDeviceIsEnrolledOrWaiting()
    {
        QFETCH(int, state);
        MainWindowHarness h;
        h.deliver(agentMessage(13, {{activationState, 0}, {qrCode, "QR-HELD"}}));
        h.deliver(agentMessage(1, {{activationState, 0}, {responseType, 33}}));
        h.deliver(agentMessage(0, {{activationState, state}}));
        pendingRequests(h);
        QCOMPARE(fireTimers(h.window.get(), retryTimer), 1);
        QVERIFY(pendingRequests(h).isEmpty());
    }

    void refusalEndsThePendingRetry()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(13, {{activationState, 0}, {qrCode, "QR-HELD"}}));
        h.deliver(agentMessage(1, {{activationState, 0}, {responseType, 33}}));
        h.deliver(agentMessage(1, {{activationState, 0}, {responseType, 32}}));
        QCOMPARE(fireTimers(h.window.get(), retryTimer), 0);
        // An answer still on its way does not start another chain either.
        h.deliver(agentMessage(1, {{activationState, 0}, {responseType, 33}}));
        pendingRequests(h);
        fireTimers(h.window.get(), retryTimer);
        QVERIFY(pendingRequests(h).isEmpty());
    }

    void administratorsDenialIsShown()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{activationState, 0}}));
        h.deliver(agentMessage(13, {{activationState, 0}, {qrCode, "QR-HELD"}}));
        h.deliver(agentMessage(1, {{activationState, 2}, {responseType, 20}}));
        QCOMPARE(h.page(), int(MainWindow::PendingPage));
        pendingRequests(h);

        h.deliver(agentMessage(0, {{activationState, 0}}));
        QCOMPARE(h.page(), int(MainWindow::ServiceCodePage));
        QCOMPARE(labelText(qrScreen(h), "statusMessage"), denied);
        // No new code is fetched and activated behind the user's back, not even when the agent repeats its code.
        h.deliver(agentMessage(13, {{activationState, 0}, {qrCode, "QR-HELD"}}));
        h.restore();
        QVERIFY(!pendingRequests(h).contains(qrRequest));
        QMetaObject::invokeMethod(h.window.get(), "goHome");
        QCOMPARE(h.page(), int(MainWindow::HomePage));

        QTest::mouseClick(child<QPushButton>(qrScreen(h), "regenerateQRButton"), Qt::LeftButton);
        QCOMPARE(pendingRequests(h), QList<QByteArray>{newQrRequest});
        h.deliver(agentMessage(13, {{activationState, 0}, {qrCode, "QR-NEW"}}));
        QCOMPARE(pendingRequests(h), QList<QByteArray>{activationLine("QR-NEW")});
        QCOMPARE(labelText(qrScreen(h), "statusMessage"), QString());
    }

    void otherEditionsKeepWhatTheUserTyped_data()
    {
        QTest::addColumn<int>("activationType");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        for (int type : {0, 2}) {
            const char* edition = type == 0 ? "code" : "email";
            QTest::addRow("%s 1", edition) << type << 1 << "Invalid activation code";
            QTest::addRow("%s 2", edition) << type << 2 << "Invalid device name";
            QTest::addRow("%s 8", edition) << type << 8 << "Activation failed due to connectivity issues";
            QTest::addRow("%s 21", edition) << type << 21 << "Duplicate device name";
            QTest::addRow("%s 31", edition) << type << 31 << "Activation code expired";
            QTest::addRow("%s 32", edition) << type << 32 << "Maximum number of devices reached for your account";
        }
    }
    void otherEditionsKeepWhatTheUserTyped()
    {
        QFETCH(int, activationType);
        QFETCH(int, code);
        QFETCH(QString, reason);
        BrandProfile edition = brandProfileNamed(QStringLiteral("dovrin"));
        edition.activationType = activationType;
        ScopedBrandProfile scoped(edition);
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{activationState, 0}}));
        QCOMPARE(h.page(), int(MainWindow::ActivatePage));
        auto* screen = h.window->findChild<Activate*>();
        QTest::keyClicks(child<QLineEdit>(screen, "codeInput"), QStringLiteral("ACME-4F7K"));
        QTest::keyClicks(child<QLineEdit>(screen, "friendlyName"), QStringLiteral("reception-pc"));
        child<QCheckBox>(screen, "eulaCheckBox")->setChecked(true);
        child<QPushButton>(screen, "activateButton")->click();
        QVERIFY(h.nextRequest().contains("activation_req"));
        h.showPage(MainWindow::SettingsPage);

        QSignalSpy refusals(h.window.get(), &MainWindow::activationError);
        QSignalSpy userAuth(h.window.get(), &MainWindow::userAuthResponse);
        h.deliver(agentMessage(1, {{activationState, 0}, {responseType, code}}));
        QCOMPARE(refusals.size(), 1);
        QCOMPARE(refusals.first().first().value<ResponseType>(), ResponseType(code));
        QCOMPARE(userAuth.size(), activationType == 2 ? 1 : 0);
        QCOMPARE(h.page(), int(MainWindow::ActivatePage));
        QCOMPARE(labelText(screen, "statusMessage"), reason);
        QCOMPARE(child<QLineEdit>(screen, "codeInput")->text(), QStringLiteral("ACME-4F7K"));
        QCOMPARE(child<QLineEdit>(screen, "friendlyName")->text(), QStringLiteral("reception-pc"));
        QVERIFY(child<QCheckBox>(screen, "eulaCheckBox")->isChecked());
        QVERIFY(child<QPushButton>(screen, "activateButton")->isEnabled());
        QVERIFY(h.nextRequest().isEmpty());
    }

    void administratorsDenialIsShownOnTheCodePage()
    {
        BrandProfile codeEdition = brandProfileNamed(QStringLiteral("dovrin"));
        codeEdition.activationType = 0;
        ScopedBrandProfile scoped(codeEdition);
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{activationState, 2}}));
        h.deliver(agentMessage(0, {{activationState, 0}}));
        QCOMPARE(h.page(), int(MainWindow::ActivatePage));
        QCOMPARE(labelText(h.window->findChild<Activate*>(), "statusMessage"), denied);
        QVERIFY(h.window->findChildren<QTimer*>(QStringLiteral("statusClearTimer")).isEmpty());
    }
};

QTEST_MAIN(TestRefusedEnrollment)
#include "test_refusedenrollment.moc"
