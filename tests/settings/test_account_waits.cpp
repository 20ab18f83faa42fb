#include "app/answerwait.h"
#include "app/startup.h"
#include "app/waitingspinnerwidget.h"
#include "tests/settings/settingstestkit.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QJsonDocument>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <algorithm>

namespace {

enum Ending
{
    AnsweredInTime,
    LinkDropped,
    DeadlinePassed,
    AnsweredLateAfterLeaving,
    AnsweredLateInFront,
    DeadlineAfterThePageWasTakenAway,
    LeftAfterTheDeadlineAndBack
};

// A signed-in user on an enrolled device; every message the agent sends in these tests carries it, so that only the
// answer itself can change what the window shows.
QByteArray agentSays(int type, int code)
{
    const QJsonObject message =
        agentMessage(type, {{QStringLiteral("response.type"), code},
                            {QStringLiteral("agentinfo.user.email"), QStringLiteral("ann@acme.example")},
                            {QStringLiteral("agentinfo.features.config.user_id_method"), 1}});
    return QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n';
}

struct Action
{
    const char* button;
    const char* waitName;
    QByteArray request;
    QByteArray failureAnswer;
    QString failureText;
};

Action action(const QString& name)
{
    if (name == QLatin1String("sign-out"))
        return {"signOutButton", "signOutWait", "{\"type\":6,\"user_deregistration_req\":{}}\n", agentSays(5, 11),
                QStringLiteral("Sign-out failed")};
    return {"deactivateButton", "deactivationWait", "{\"deactivation_req\":{\"password\":\"\"},\"type\":4}\n",
            agentSays(3, 18), QStringLiteral("Wrong password")};
}

// The page's own widget of that name: its sub-screens reuse names such as "backButton" and "statusMessage".
template <typename T> T* own(Settings* settings, const char* name)
{
    const auto* stack = settings->findChild<QStackedWidget*>(QStringLiteral("settingsStack"));
    for (T* candidate : settings->findChildren<T*>(QString::fromLatin1(name))) {
        if (stack->widget(Settings::ListPage)->isAncestorOf(candidate))
            return candidate;
    }
    return nullptr;
}

bool spinnerOver(QWidget* widget)
{
    const QList<WaitingSpinnerWidget*> spinners = widget->findChildren<WaitingSpinnerWidget*>();
    return std::any_of(spinners.begin(), spinners.end(), [](const QWidget* spinner) { return spinner->isVisible(); });
}

} // namespace

// After Sign Out or Deactivate the page waits under the spinner; every way that wait can end gives the page back
// and says what happened, and nothing is sent again on its own.
class TestAccountWaits : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void waitEnds_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("statusShown"); // the page's own status line, empty when hidden
        QTest::addColumn<bool>("answerShown");
        QTest::addColumn<int>("page");
        const QString unreachable = QStringLiteral("Unable to connect to the application service");
        for (const char* request : {"sign-out", "deactivation"}) {
            QTest::addRow("%s, answered in time", request)
                << request << int(AnsweredInTime) << QString() << true << int(MainWindow::SettingsPage);
            QTest::addRow("%s, link dropped", request)
                << request << int(LinkDropped) << unreachable << false << int(MainWindow::SettingsPage);
            QTest::addRow("%s, no answer before the deadline", request)
                << request << int(DeadlinePassed) << AnswerWait::silenceText() << false
                << int(MainWindow::SettingsPage);
            QTest::addRow("%s, late answer after leaving the page", request)
                << request << int(AnsweredLateAfterLeaving) << QString() << false << int(MainWindow::HomePage);
            QTest::addRow("%s, late answer while the page is in front", request)
                << request << int(AnsweredLateInFront) << QString() << true << int(MainWindow::SettingsPage);
            QTest::addRow("%s, deadline after the agent took the page away", request)
                << request << int(DeadlineAfterThePageWasTakenAway) << QString() << false
                << int(MainWindow::SettingsPage);
            QTest::addRow("%s, page left after the deadline and opened again", request)
                << request << int(LeftAfterTheDeadlineAndBack) << QString() << false << int(MainWindow::SettingsPage);
        }
    }
    void waitEnds()
    {
        QFETCH(QString, request);
        QFETCH(int, ending);
        QFETCH(QString, statusShown);
        QFETCH(bool, answerShown);
        QFETCH(int, page);
        const Action asked = action(request);
        ScopedBrandProfile dovrin(brandProfileNamed(QStringLiteral("dovrin")));
        MainWindowHarness h;
        h.window->show();
        h.deliver(QJsonDocument::fromJson(agentSays(0, 0)).object());
        auto* settings = h.window->findChild<Settings*>();
        auto* status = own<QLabel>(settings, "statusMessage");
        h.showPage(MainWindow::SettingsPage);
        Dialogs dialogs;
        dialogs.press = QStringLiteral("Yes");

        own<QPushButton>(settings, asked.button)->click();
        QCOMPARE(h.nextRequest(), asked.request);
        auto* wait = settings->findChild<AnswerWait*>(QString::fromLatin1(asked.waitName));
        QVERIFY(wait->isWaiting());
        QVERIFY(spinnerOver(settings));
        QVERIFY(!settings->isEnabled());
        dialogs.press = QStringLiteral("OK");

        switch (ending) {
        case AnsweredInTime:
            h.agent.send(asked.failureAnswer);
            QTRY_VERIFY(!wait->isWaiting());
            break;
        case LinkDropped:
            h.drop();
            QVERIFY(!wait->isWaiting());
            break;
        case DeadlinePassed:
            QCOMPARE(fireTimers(wait, QStringLiteral("answerDeadline")), 1);
            break;
        case AnsweredLateAfterLeaving:
            fireTimers(wait, QStringLiteral("answerDeadline"));
            own<QPushButton>(settings, "backButton")->click();
            h.agent.send(asked.failureAnswer);
            break;
        case AnsweredLateInFront:
            fireTimers(wait, QStringLiteral("answerDeadline"));
            QCOMPARE(status->text(), AnswerWait::silenceText());
            h.agent.send(asked.failureAnswer);
            break;
        case DeadlineAfterThePageWasTakenAway:
            // A snapshot with no answer in it de-enrolls the device, and enrolls it again after the deadline.
            h.agent.send(agentSays(0, 0).replace("\"activation_state\":1", "\"activation_state\":0"));
            QTRY_COMPARE(h.page(), int(MainWindow::ActivatePage));
            QCOMPARE(fireTimers(wait, QStringLiteral("answerDeadline")), 1);
            h.agent.send(agentSays(0, 0));
            QTRY_COMPARE(h.page(), int(MainWindow::HomePage));
            h.showPage(MainWindow::SettingsPage);
            break;
        case LeftAfterTheDeadlineAndBack:
            fireTimers(wait, QStringLiteral("answerDeadline"));
            own<QPushButton>(settings, "backButton")->click();
            h.showPage(MainWindow::SettingsPage);
            break;
        }
        // Whatever was still on its way has arrived.
        QTest::qWait(50);

        QVERIFY(!wait->isWaiting());
        QVERIFY(!spinnerOver(settings));
        QVERIFY(settings->isEnabled());
        QCOMPARE(h.page(), page);
        QCOMPARE(status->isVisible() ? status->text() : QString(), page == MainWindow::SettingsPage ? statusShown : "");
        QStringList answers;
        for (const Prompt& shown : dialogs.seen.mid(1))
            answers.append(shown.text);
        QCOMPARE(answers, answerShown ? QStringList{asked.failureText} : QStringList());
        // Nothing is sent again on its own.
        QCOMPARE(h.nextRequest(), QByteArray());
        // The user has the page back: Escape leads home like Back.
        if (h.page() == MainWindow::SettingsPage) {
            QTest::keyClick(settings, Qt::Key_Escape);
            QCOMPARE(h.page(), int(MainWindow::HomePage));
        }
    }

    // A question still open when an agent message takes the page away (here the device is de-enrolled) went with
    // the page: answering it afterwards sends nothing and covers nothing.
    void confirmationAfterThePageLeftSendsNothing_data()
    {
        QTest::addColumn<QString>("request");
        QTest::newRow("sign-out") << "sign-out";
        QTest::newRow("deactivation") << "deactivation";
    }
    void confirmationAfterThePageLeftSendsNothing()
    {
        QFETCH(QString, request);
        ScopedBrandProfile dovrin(brandProfileNamed(QStringLiteral("dovrin")));
        MainWindowHarness h;
        h.window->show();
        h.deliver(QJsonDocument::fromJson(agentSays(0, 0)).object());
        auto* settings = h.window->findChild<Settings*>();
        h.showPage(MainWindow::SettingsPage);
        own<QPushButton>(settings, action(request).button)->click();
        auto* question = settings->findChild<QMessageBox*>();
        QVERIFY(question && question->isVisible());

        h.agent.send(agentSays(0, 0).replace("\"activation_state\":1", "\"activation_state\":0"));
        QTRY_COMPARE(h.page(), int(MainWindow::ActivatePage));
        QVERIFY(question->isVisible());
        QAbstractButton* yes = buttonNamed(*question, QStringLiteral("Yes"));
        QVERIFY(yes);
        yes->click();
        QCOMPARE(h.nextRequest(), QByteArray());
        QVERIFY(!spinnerOver(settings));
    }
};

QTEST_MAIN(TestAccountWaits)
#include "test_account_waits.moc"
