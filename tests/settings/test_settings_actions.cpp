#include "app/startup.h"
#include "app/waitingspinnerwidget.h"
#include "tests/settings/settingstestkit.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QAbstractItemView>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

AgentInfo withDeactivation(int configuration)
{
    AgentInfo info = connectedUser();
    info.deactCfg = configuration;
    return info;
}

} // namespace

class TestSettingsActions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void signOutAsksFirst_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("sent");
        QTest::newRow("yes") << "signOutButton"
                             << "Yes" << true;
        QTest::newRow("icon, yes") << "signOutIcon"
                                   << "Yes" << true;
        QTest::newRow("no") << "signOutButton"
                            << "No" << false;
        QTest::newRow("closed") << "signOutButton"
                                << "" << false;
    }
    void signOutAsksFirst()
    {
        QFETCH(QString, control);
        QFETCH(QString, press);
        QFETCH(bool, sent);
        SettingsPage p("kivora");
        p.update(connectedUser());
        Dialogs dialogs;
        dialogs.press = press;
        QSignalSpy signOut(p.page.get(), &Settings::signOut);
        QSignalSpy spinner(p.page.get(), &Settings::startSpinner);
        p.button(qPrintable(control))->click();

        QCOMPARE(dialogs.seen.size(), 1);
        const Prompt& box = dialogs.seen.first();
        QCOMPARE(box.title, QStringLiteral("Kivora"));
        QCOMPARE(box.text, QStringLiteral("You are about to sign out. Click 'Yes' to continue."));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(sorted(box.buttons), QStringList({"No", "Yes"}));
        QCOMPARE(box.parent, p.page.get());
        QCOMPARE(signOut.size(), sent ? 1 : 0);
        QCOMPARE(spinner.size(), sent ? 1 : 0);
        if (sent) {
            QCOMPARE(spinner.first().at(0).value<QWidget*>(), p.page.get());
            QCOMPARE(spinner.first().at(1).toBool(), true);
        }
    }

    // "Sign in" starts the sign-in the enterprise uses, without asking; signInMode stays from the last snapshot
    // that set it, so a later method still picks the route.
    void signInRoutesByUserIdMethod_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<int>("emailRoute");
        QTest::addColumn<int>("directoryRoute");
        QTest::newRow("email") << 1 << 1 << 0;
        QTest::newRow("directory 2") << 2 << 0 << 1;
        QTest::newRow("directory 3") << 3 << 0 << 1;
        QTest::newRow("method 4") << 4 << 0 << 1;
        QTest::newRow("method 5") << 5 << 0 << 1;
        QTest::newRow("none") << 0 << 0 << 0;
    }
    void signInRoutesByUserIdMethod()
    {
        QFETCH(int, method);
        QFETCH(int, emailRoute);
        QFETCH(int, directoryRoute);
        SettingsPage p;
        AgentInfo info = connectedUser();
        info.email.clear();
        p.update(info);
        QCOMPARE(p.button("signOutButton")->text(), QStringLiteral("Sign in"));
        info.userIdMethod = method;
        p.update(info);
        Dialogs dialogs;
        QSignalSpy email(p.page.get(), &Settings::goAuth);
        QSignalSpy directory(p.page.get(), &Settings::goAuthAD);
        QSignalSpy signOut(p.page.get(), &Settings::signOut);
        p.button("signOutButton")->click();
        QCOMPARE(email.size(), emailRoute);
        QCOMPARE(directory.size(), directoryRoute);
        QCOMPARE(signOut.size(), 0);
        QCOMPARE(dialogs.seen.size(), 0);
    }

    void signedInAgainSignsOut()
    {
        SettingsPage p;
        AgentInfo info = connectedUser();
        info.email.clear();
        p.update(info);
        p.update(connectedUser());
        Dialogs dialogs;
        dialogs.press = QStringLiteral("Yes");
        QSignalSpy signOut(p.page.get(), &Settings::signOut);
        QSignalSpy email(p.page.get(), &Settings::goAuth);
        p.button("signOutButton")->click();
        QCOMPARE(p.button("signOutButton")->text(), QStringLiteral("Sign out"));
        QCOMPARE(signOut.size(), 1);
        QCOMPARE(email.size(), 0);
    }

    void deactivationAsksYesOrNo_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("sent");
        QTest::newRow("yes") << "deactivateButton"
                             << "Yes" << true;
        QTest::newRow("arrow, yes") << "resetDeviceButton"
                                    << "Yes" << true;
        QTest::newRow("no") << "deactivateButton"
                            << "No" << false;
        QTest::newRow("closed") << "deactivateButton"
                                << "" << false;
    }
    void deactivationAsksYesOrNo()
    {
        QFETCH(QString, control);
        QFETCH(QString, press);
        QFETCH(bool, sent);
        SettingsPage p;
        p.update(withDeactivation(1));
        Dialogs dialogs;
        dialogs.press = press;
        QSignalSpy deactivate(p.page.get(), &Settings::Deactivate);
        QSignalSpy spinner(p.page.get(), &Settings::startSpinner);
        p.button(qPrintable(control))->click();

        QCOMPARE(dialogs.seen.size(), 1);
        const Prompt& box = dialogs.seen.first();
        QCOMPARE(box.kind, QStringLiteral("box"));
        QCOMPARE(box.title, QStringLiteral("Dovrin"));
        QCOMPARE(box.text, QStringLiteral("Deactivate this device?"));
        // What follows is said, and Return does not deactivate.
        QCOMPARE(
            box.informativeText,
            QStringLiteral("The device leaves your organization and Secure Access stops until it is enrolled again."));
        QCOMPARE(box.defaultButton, QStringLiteral("No"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QStringList({"Yes", "No"}));
        QCOMPARE(deactivate.size(), sent ? 1 : 0);
        QCOMPARE(spinner.size(), sent ? 1 : 0);
        if (sent) {
            QCOMPARE(deactivate.first().at(0).toString(), QString());
            QCOMPARE(spinner.first().at(0).value<QWidget*>(), p.page.get());
            QCOMPARE(spinner.first().at(1).toBool(), true);
        }
    }

    // Both account questions offer the platform's own Yes and No, so they stand in the same order in both, with the
    // names the questions refer to.
    void accountQuestionsShareTheirButtons_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("sign out") << "signOutButton";
        QTest::newRow("deactivate") << "deactivateButton";
    }
    void accountQuestionsShareTheirButtons()
    {
        QFETCH(QString, control);
        SettingsPage p("kivora");
        p.update(withDeactivation(1));
        Dialogs dialogs;
        p.button(qPrintable(control))->click();
        QCOMPARE(dialogs.seen.size(), 1);
        const Prompt& box = dialogs.seen.first();
        QCOMPARE(box.standardButtons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(sorted(box.buttons), QStringList({"No", "Yes"}));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.title, QStringLiteral("Kivora"));
        QCOMPARE(box.parent, p.page.get());
    }

    void deactivationAsksForPassword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<QString>("refusal"); // the prompt's words when it stays open on OK
        QTest::newRow("password") << "Acme-Deact-2024" << true << true << "";
        QTest::newRow("blanks are kept") << "  pass word " << true << true << "";
        QTest::newRow("empty: the prompt stays with a hint")
            << "" << true << false
            << "The password must not be empty.\nEnter the deactivation password from your administrator:";
        QTest::newRow("cancelled") << "Acme-Deact-2024" << false << false << "";
    }
    void deactivationAsksForPassword()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(bool, sent);
        QFETCH(QString, refusal);
        SettingsPage p("kivora");
        p.update(withDeactivation(2));
        Dialogs dialogs;
        dialogs.type = typed;
        dialogs.accept = accepted;
        QSignalSpy deactivate(p.page.get(), &Settings::Deactivate);
        QSignalSpy spinner(p.page.get(), &Settings::startSpinner);
        p.button("deactivateButton")->click();

        QCOMPARE(dialogs.seen.size(), 1);
        const Prompt& prompt = dialogs.seen.first();
        QCOMPARE(prompt.kind, QStringLiteral("input"));
        QCOMPARE(prompt.title, QStringLiteral("Kivora"));
        QCOMPARE(prompt.text, QStringLiteral("Enter the deactivation password from your administrator:"));
        QCOMPARE(prompt.echo, QLineEdit::Password);
        QCOMPARE(prompt.initialText, QString());
        QCOMPARE(prompt.parent, p.page.get());
        QCOMPARE(prompt.refusal, refusal);
        QCOMPARE(deactivate.size(), sent ? 1 : 0);
        QCOMPARE(spinner.size(), sent ? 1 : 0);
        if (sent)
            QCOMPARE(deactivate.first().at(0).toString(), typed);

        // Back to configuration 1: a plain confirmation again.
        p.update(withDeactivation(1));
        dialogs.press = QStringLiteral("No");
        p.button("deactivateButton")->click();
        QCOMPARE(dialogs.seen.last().kind, QStringLiteral("box"));
    }

    void linkLostWhileAskingSendsNothing_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("configuration");
        QTest::newRow("sign out") << "signOutButton" << 1;
        QTest::newRow("deactivate") << "deactivateButton" << 1;
        QTest::newRow("deactivate with password") << "deactivateButton" << 2;
    }
    void linkLostWhileAskingSendsNothing()
    {
        QFETCH(QString, control);
        QFETCH(int, configuration);
        SettingsPage p;
        p.update(withDeactivation(configuration));
        Dialogs dialogs;
        dialogs.press = QStringLiteral("Yes");
        dialogs.type = QStringLiteral("pw");
        dialogs.beforeAnswer = [&] {
            dialogs.beforeAnswer = nullptr;
            p.link.drop();
        };
        QSignalSpy signOut(p.page.get(), &Settings::signOut);
        QSignalSpy deactivate(p.page.get(), &Settings::Deactivate);
        QSignalSpy spinner(p.page.get(), &Settings::startSpinner);
        p.button(qPrintable(control))->click();
        QCOMPARE(signOut.size() + deactivate.size() + spinner.size(), 0);
        QCOMPARE(dialogs.seen.size(), 2);
        QCOMPARE(dialogs.seen.last().text, QStringLiteral("Unable to connect to the application service"));
    }

    void answers_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("toActivation");
        QTest::newRow("deactivated") << 0 << "" << true;
        QTest::newRow("16") << 16 << "Deactivation failed. Please try again or contact your administrator." << false;
        QTest::newRow("17") << 17 << "Password required" << false;
        QTest::newRow("18") << 18 << "Wrong password" << false;
        QTest::newRow("19") << 19 << "Deactivation not allowed" << false;
        QTest::newRow("other") << 11 << "" << false;
    }
    void answers()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(bool, toActivation);
        SettingsPage p("lumidor");
        Dialogs dialogs;
        dialogs.press = QStringLiteral("OK");
        QSignalSpy activation(p.page.get(), &Settings::goActivate);
        QSignalSpy notice(p.page.get(), &Settings::deviceDeactivated);
        Response response;
        response.code = code;
        p.page->deactivationResult(response);
        QCOMPARE(activation.size(), toActivation ? 1 : 0);
        QCOMPARE(notice.size(), toActivation ? 1 : 0);
        if (toActivation)
            QCOMPARE(notice.first().at(0).toString(), QStringLiteral("This device has been deactivated."));
        // The box comes first; a prompt for the password may follow it (see passwordAskedAgain).
        QCOMPARE(dialogs.seen.isEmpty(), text.isEmpty());
        if (text.isEmpty())
            return;
        const Prompt& box = dialogs.seen.first();
        QCOMPARE(box.text, text);
        QCOMPARE(box.title, QStringLiteral("Lumidor"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QStringList({"OK"}));
        QCOMPARE(box.parent, p.page.get());
    }

    // After "Wrong password" the password prompt comes back; a deactivation that asked for no password asks none.
    // When the agent answers "Password required" to a deactivation sent without one, the prompt comes after the box.
    void passwordAskedAgain_data()
    {
        QTest::addColumn<int>("configuration");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<int>("sent");
        QTest::newRow("wrong, password asked")
            << 2 << int(WrongPassword) << QStringList({"input", "box", "input"}) << 2;
        QTest::newRow("wrong, no password asked") << 1 << int(WrongPassword) << QStringList({"box", "box"}) << 1;
        QTest::newRow("password required, none asked")
            << 1 << int(PasswordRequired) << QStringList({"box", "box", "input"}) << 2;
        QTest::newRow("password required, password asked")
            << 2 << int(PasswordRequired) << QStringList({"input", "box", "input"}) << 2;
    }
    void passwordAskedAgain()
    {
        QFETCH(int, configuration);
        QFETCH(int, answer);
        QFETCH(QStringList, dialogs);
        QFETCH(int, sent);
        SettingsPage p;
        p.update(withDeactivation(configuration));
        Dialogs answers;
        answers.press = QStringLiteral("Yes");
        answers.type = QStringLiteral("wrong");
        QSignalSpy deactivate(p.page.get(), &Settings::Deactivate);
        p.button("deactivateButton")->click();
        QCOMPARE(deactivate.size(), 1);

        answers.press = QStringLiteral("OK");
        answers.type = QStringLiteral("right");
        Response refused;
        refused.code = answer;
        p.page->deactivationResult(refused);

        QStringList kinds;
        for (const Prompt& prompt : qAsConst(answers.seen))
            kinds.append(prompt.kind);
        QCOMPARE(kinds, dialogs);
        QCOMPARE(answers.seen.at(kinds.indexOf(QStringLiteral("box"), 1)).text,
                 answer == WrongPassword ? QStringLiteral("Wrong password") : QStringLiteral("Password required"));
        QCOMPARE(deactivate.size(), sent);
        QCOMPARE(deactivate.last().at(0).toString(), sent == 2 ? QStringLiteral("right") : QString());
    }

    void signOutFailedSaysSo()
    {
        SettingsPage p;
        Dialogs dialogs;
        p.page->signOutFailed();
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen.first().text, QStringLiteral("Sign-out failed"));
        QCOMPARE(dialogs.seen.first().title, QStringLiteral("Dovrin"));
        QCOMPARE(dialogs.seen.first().icon, QMessageBox::Information);
    }

    // The whole window over a loopback socket: the bytes the agent receives, and what its answers show.
    void signOutOverTheWire()
    {
        ScopedBrandProfile dovrin(brandProfileNamed(QStringLiteral("dovrin")));
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.user.email"), QStringLiteral("ann@acme.example")},
                                   {QStringLiteral("agentinfo.features.config.user_id_method"), 1}}));
        h.showPage(MainWindow::SettingsPage);
        Dialogs dialogs;
        dialogs.press = QStringLiteral("No");
        h.window->findChild<QPushButton*>(QStringLiteral("signOutButton"))->click();
        QCOMPARE(h.nextRequest(), QByteArray());

        dialogs.press = QStringLiteral("Yes");
        h.window->findChild<QPushButton*>(QStringLiteral("signOutButton"))->click();
        QCOMPARE(h.nextRequest(), QByteArray("{\"type\":6,\"user_deregistration_req\":{}}\n"));
        // The page waits under the spinner until the agent answers.
        const auto* spinner = h.window->findChild<WaitingSpinnerWidget*>();
        QVERIFY(spinner);
        QCOMPARE(spinner->parentWidget(), h.window->findChild<Settings*>());

        dialogs.press = QStringLiteral("OK");
        h.agent.send(agentLine("{\"type\":5,\"response\":{\"type\":11},\"agentinfo\":{\"activation_state\":1,"
                               "\"user\":{\"email\":\"ann@acme.example\"},\"features\":{\"data_available\":true,"
                               "\"config\":{\"user_id_method\":1,\"deact_cfg\":1},\"secconn\":{\"enabled\":true}}}}"));
        QTRY_COMPARE(dialogs.seen.size(), 3);
        QCOMPARE(dialogs.seen.last().text, QStringLiteral("Sign-out failed"));
        QCOMPARE(h.page(), int(MainWindow::SettingsPage));
        QVERIFY(!h.window->findChild<WaitingSpinnerWidget*>());
    }

    void deactivationOverTheWire_data()
    {
        QTest::addColumn<int>("configuration");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("confirmation") << 1 << ""
                                      << QByteArray("{\"deactivation_req\":{\"password\":\"\"},\"type\":4}\n");
        QTest::newRow("password as typed")
            << 2 << " p\"w\\ \u00e9 "
            << QByteArray("{\"deactivation_req\":{\"password\":\" p\\\"w\\\\ \xc3\xa9 \"},\"type\":4}\n");
    }
    void deactivationOverTheWire()
    {
        QFETCH(int, configuration);
        QFETCH(QString, typed);
        QFETCH(QByteArray, line);
        ScopedBrandProfile dovrin(brandProfileNamed(QStringLiteral("dovrin")));
        MainWindowHarness h;
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.features.config.deact_cfg"), configuration}}));
        h.showPage(MainWindow::SettingsPage);
        Dialogs dialogs;
        dialogs.press = QStringLiteral("Yes");
        dialogs.type = typed;
        h.window->findChild<QPushButton*>(QStringLiteral("deactivateButton"))->click();
        QCOMPARE(h.nextRequest(), line);

        // The agent confirms: the window goes back to enrollment.
        h.agent.send(agentLine("{\"type\":3,\"response\":{\"type\":0},\"agentinfo\":{\"activation_state\":1,"
                               "\"features\":{\"data_available\":true}}}"));
        QTRY_COMPARE(h.page(), int(MainWindow::ActivatePage));
        QCOMPARE(dialogs.seen.size(), 1);
    }

    // Opening a sub-screen asks the agent over the wire; its answer fills that screen's list.
    void listingsReachTheirScreens_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("firstRow");
        QTest::newRow("gateways") << "pagNameLabel" << QByteArray("{\"type\":10}\n")
                                  << QByteArray(
                                         "{\"type\":9,\"response\":{\"type\":0,\"pag_listing\":{\"pags\":[{\"id\":"
                                         "\"osl\",\"name\":\"Oslo <b>1</b>\",\"city\":\"Oslo\",\"country\":\"NO\","
                                         "\"status\":1}]}}}")
                                  << "pag list"
                                  << "Oslo <b>1</b>";
        QTest::newRow("peers") << "peerListLabel" << QByteArray("{\"type\":14}\n")
                               << QByteArray(
                                      "{\"type\":14,\"response\":{\"type\":0,\"peer_listing\":{\"peers\":[{"
                                      "\"caname\":\"build-01\",\"drname\":\"BUILD01\",\"addr\":\"10.2.0.1\"}]}}}")
                               << "peer list"
                               << "build-01";
    }
    void listingsReachTheirScreens()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, answer);
        QFETCH(QString, list);
        QFETCH(QString, firstRow);
        ScopedBrandProfile dovrin(brandProfileNamed(QStringLiteral("dovrin")));
        MainWindowHarness h;
        const QJsonObject snapshot =
            agentMessage(0, {{QStringLiteral("agentinfo.user.email"), QStringLiteral("ann@acme.example")},
                             {QStringLiteral("agentinfo.features.secconn.pag_selection_allowed"), true},
                             {QStringLiteral("agentinfo.features.secconn.peer_discovery_allowed"), true}});
        h.deliver(snapshot);
        h.showPage(MainWindow::SettingsPage);
        h.window->findChild<QPushButton*>(button)->click();
        QCOMPARE(h.nextRequest(), request);
        // The answer carries the agent's state, as every message does, so the window stays where it is.
        QJsonObject message = QJsonDocument::fromJson(answer).object();
        message.insert(QStringLiteral("agentinfo"), snapshot.value(QStringLiteral("agentinfo")));
        h.agent.send(QJsonDocument(message).toJson(QJsonDocument::Compact) + "\n");
        auto* view = h.window->findChild<QAbstractItemView*>(list);
        QVERIFY(view);
        QTRY_COMPARE(view->model()->rowCount(), 1);
        QCOMPARE(view->model()->index(0, 0).data().toString(), firstRow);
        QVERIFY(!h.window->findChild<WaitingSpinnerWidget*>());
    }

    // A submission still waiting when the link drops gives the user Submit back, with everything typed kept.
    void feedbackSurvivesLinkLoss()
    {
        MainWindowHarness h;
        h.deliver(agentMessage(0));
        h.showPage(MainWindow::SettingsPage);
        h.window->findChild<QPushButton*>(QStringLiteral("feedBackLabel"))->click();
        auto* subject = h.window->findChild<QLineEdit*>(QStringLiteral("feedBackTitle"));
        auto* message = h.window->findChild<QPlainTextEdit*>(QStringLiteral("feedbackBodyText"));
        auto* submit = h.window->findChild<QPushButton*>(QStringLiteral("pushButton"));
        subject->setText(QStringLiteral("VPN drops"));
        message->setPlainText(QStringLiteral("Every hour."));
        submit->click();
        QCOMPARE(h.nextRequest(),
                 QByteArray("{\"feedback\":{\"description\":\"Every hour.\",\"title\":\"VPN drops\"},\"type\":9}\n"));
        QVERIFY(!submit->isEnabled());
        h.drop();
        QVERIFY(submit->isEnabled());
        QCOMPARE(subject->text(), QStringLiteral("VPN drops"));
        QCOMPARE(message->toPlainText(), QStringLiteral("Every hour."));
    }
};

QTEST_MAIN(TestSettingsActions)
#include "test_settings_actions.moc"
