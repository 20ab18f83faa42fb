#include "app/startup.h"
#include "enrollment/activationpending.h"
#include "tests/enrollment/enrollmenttestkit.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTime>

namespace {
const QByteArray statusQuery = QByteArray(R"({"type":3})") + "\n";
}

class TestActivationPending : public QObject
{
    Q_OBJECT
private:
    static QString status(const ActivationPending& s) { return labelText(&s, "statusMessage"); }
    static QList<QTimer*> clearTimers(const ActivationPending& s)
    {
        return s.findChildren<QTimer*>(QStringLiteral("statusClearTimer"), Qt::FindDirectChildrenOnly);
    }

private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void answerTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text"); // empty: the status line is left alone
        QTest::addColumn<int>("shownForMs");
        QTest::newRow("pending") << 20 << "Waiting for administrator approval" << 5000;
        QTest::newRow("failed") << 22 << "Verification request failed" << 6000;
        QTest::newRow("success ignored") << 0 << "" << 0;
        QTest::newRow("accepted ignored") << 14 << "" << 0;
        QTest::newRow("duplicate name ignored") << 21 << "" << 0;
    }
    void answerTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(int, shownForMs);
        AgentLink agent;
        ActivationPending screen;
        child<QLabel>(&screen, "statusMessage")->setText(QStringLiteral("earlier"));

        screen.verifyActivationError(ResponseType(code));

        if (text.isEmpty()) {
            QCOMPARE(status(screen), QStringLiteral("earlier"));
            QVERIFY(clearTimers(screen).isEmpty());
            return;
        }
        QCOMPARE(status(screen), text);
        QCOMPARE(clearTimers(screen).size(), 1);
        QCOMPARE(clearTimers(screen).first()->interval(), shownForMs);
        fireTimers(&screen, QStringLiteral("statusClearTimer"), Qt::FindDirectChildrenOnly);
        QVERIFY(status(screen).isEmpty());
    }

    void eachTimerClearsWhateverIsShowing()
    {
        AgentLink agent;
        ActivationPending screen;
        screen.verifyActivationError(AdminApprovalPending);
        screen.verifyActivationError(VerificationRequestFailed);
        QCOMPARE(status(screen), QStringLiteral("Verification request failed"));
        clearTimers(screen).first()->start(0);
        QTRY_VERIFY(status(screen).isEmpty());
    }

    void checkAsksTheAgentAndClearsTheLine()
    {
        AgentLink agent;
        ActivationPending screen;
        screen.verifyActivationError(AdminApprovalPending);
        child<QPushButton>(&screen, "activationStatusButton")->click();
        QCOMPARE(agent.nextRequest(), statusQuery);
        QVERIFY(status(screen).isEmpty());
        QVERIFY(labelText(&screen, "checkedAt").isEmpty());

        // The answer may repeat what the line said before: the time of the check shows it was made. An answer the
        // user did not ask for (the window's own recheck) leaves it alone.
        QCOMPARE(screen.takeStatusAnswer(), AnswerClaim::Wanted);
        screen.verifyActivationError(AdminApprovalPending);
        const QString checked = labelText(&screen, "checkedAt");
        QVERIFY2(checked.startsWith(QLatin1String("Checked at ")), qPrintable(checked));
        QVERIFY(checked.contains(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat).left(2)));
        child<QLabel>(&screen, "checkedAt")->clear();
        QVERIFY(screen.takeStatusAnswer() != AnswerClaim::Wanted);
        QVERIFY(labelText(&screen, "checkedAt").isEmpty());
    }

    void settingsButtonsOpenSettings()
    {
        AgentLink agent;
        ActivationPending screen;
        QSignalSpy settings(&screen, &ActivationPending::goSettings);
        for (const char* name : {"settingsIco", "settings", "settingsNav"})
            child<QPushButton>(&screen, name)->click();
        QCOMPARE(settings.size(), 3);
        QVERIFY(child(&screen, "resendButton")->isHidden());
        QCOMPARE(labelText(&screen, "titleBar"), brand().displayName);
    }

    void linkDownAndUp()
    {
        AgentLink agent;
        ActivationPending screen;

        agent.drop();
        screen.showAgentUnavailable();
        QCOMPARE(status(screen), firstRunUnavailable);
        child<QPushButton>(&screen, "activationStatusButton")->click();
        QVERIFY(agent.nextRequest().isEmpty());
        QCOMPARE(status(screen), firstRunUnavailable);

        // The main window asks again for the state, then clears the link text.
        agent.restore();
        screen.requestActivationStatus();
        screen.clearAgentUnavailable();
        QCOMPARE(agent.nextRequest(), statusQuery);
        QVERIFY(status(screen).isEmpty());

        screen.verifyActivationError(VerificationRequestFailed);
        screen.clearAgentUnavailable();
        QCOMPARE(status(screen), QStringLiteral("Verification request failed"));
    }
};

QTEST_MAIN(TestActivationPending)
#include "test_activationpending.moc"
