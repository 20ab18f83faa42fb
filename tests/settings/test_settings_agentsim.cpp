// The settings page of the whole window against the stand-in agent executable: the rows follow what the agent's
// console changes, and sign-out and deactivation go through to the agent and back.
#include "app/startup.h"
#include "tests/settings/settingstestkit.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/standinagent.h"

#include <QProcess>
#include <QStackedWidget>
#include <QTest>

namespace {

constexpr int waitMs = 10000;

} // namespace

class TestSettingsAgentSim : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initVexaResources(); }

    void pageFollowsTheAgentAndItsAnswers()
    {
        ScopedBrandProfile dovrin(brandProfileNamed(QStringLiteral("dovrin")));
        StandInAgent agent(
            QStringLiteral("deactivation-password")); // enrolled, connected, password needed to deactivate
        QVERIFY(agent.port != 0);
        vexaintf link(agent.port);
        link.start();
        QTRY_VERIFY(link.isConnected());
        vexaintf::setInstance(&link);
        auto window = std::make_unique<MainWindow>();
        auto* stack = window->findChild<QStackedWidget*>(QStringLiteral("screenStack"));
        auto* page = window->findChild<Settings*>();
        auto label = [&](const char* name) {
            return page->findChild<QLabel*>(QString::fromLatin1(name));
        };
        auto button = [&](const char* name) {
            return page->findChild<QPushButton*>(QString::fromLatin1(name));
        };
        auto shown = [&](const char* name) {
            return !page->findChild<QWidget*>(QString::fromLatin1(name))->isHidden();
        };
        stack->setCurrentIndex(MainWindow::SettingsPage);

        QTRY_COMPARE_WITH_TIMEOUT(label("wan")->text(), QStringLiteral("Ethernet 192.168.1.47 [SPLIT]"), waitMs);
        QCOMPARE(label("assignedIP")->text(), QStringLiteral("100.64.12.37"));
        QVERIFY(shown("cleanUp"));
        QVERIFY(!shown("bottomNavBar"));
        QVERIFY(agent.command("tunnel full").startsWith("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(label("wan")->text(), QStringLiteral("Ethernet 192.168.1.47 [FULL]"), waitMs);
        QVERIFY(agent.command("edr on").startsWith("ok"));
        QVERIFY(agent.command("edr status 2").startsWith("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(label("edrStatus")->text(), QStringLiteral("Connected"), waitMs);
        QVERIFY(agent.command("config deact 3").startsWith("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(!shown("cleanUp"), waitMs);
        QVERIFY(agent.command("config deact 2").startsWith("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(shown("cleanUp"), waitMs);

        // A directory user signs in and out.
        QVERIFY(agent.command("config user-id 2").startsWith("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(button("signOutButton")->text(), QStringLiteral("Sign in"), waitMs);
        QVERIFY(shown("bottomNavBar"));
        QVERIFY(agent.command("signin ann@acme-industries.example").startsWith("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(label("userEmail")->text(), QStringLiteral("ann@acme-industries.example"), waitMs);
        QCOMPARE(button("signOutButton")->text(), QStringLiteral("Sign out"));
        Dialogs dialogs;
        dialogs.press = QStringLiteral("OK");
        QVERIFY(agent.command("next signout 11").startsWith("ok"));
        dialogs.press = QStringLiteral("Yes");
        button("signOutButton")->click();
        dialogs.press = QStringLiteral("OK");
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.seen.last().text, QStringLiteral("Sign-out failed"), waitMs);
        dialogs.press = QStringLiteral("Yes");
        button("signOutButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(button("signOutButton")->text(), QStringLiteral("Sign in"), waitMs);
        QVERIFY(label("userEmail")->isHidden());
        stack->setCurrentIndex(MainWindow::SettingsPage);

        // Deactivation: a wrong password is refused and asked for again; the right one returns the window to
        // enrollment, which says why it is there.
        dialogs.type = QStringLiteral("acme-deact-2024");
        dialogs.press = QStringLiteral("OK");
        dialogs.beforeAnswer = [&dialogs] {
            if (!dialogs.seen.isEmpty() && dialogs.seen.last().text == QLatin1String("Wrong password"))
                dialogs.type = QStringLiteral("Acme-Deact-2024");
        };
        const int before = dialogs.seen.size();
        button("deactivateButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(stack->currentIndex(), int(MainWindow::ActivatePage), waitMs);
        QStringList asked;
        for (const Prompt& prompt : dialogs.seen.mid(before))
            asked.append(prompt.kind + QLatin1Char(' ') + prompt.text);
        const QString prompt = QStringLiteral("input Enter the deactivation password from your administrator:");
        QCOMPARE(asked, QStringList({prompt, "box Wrong password", prompt}));
        QCOMPARE(stack->currentWidget()->findChild<QLabel*>(QStringLiteral("statusMessage"))->text(),
                 QStringLiteral("This device has been deactivated."));

        window.reset();
        vexaintf::setInstance(nullptr);
    }
};

QTEST_MAIN(TestSettingsAgentSim)
#include "test_settings_agentsim.moc"
