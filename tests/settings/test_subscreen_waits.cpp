#include "app/answerwait.h"
#include "app/startup.h"
#include "app/waitingspinnerwidget.h"
#include "settings/feedback.h"
#include "settings/notification.h"
#include "settings/pagselection.h"
#include "settings/peerdevices.h"
#include "tests/settings/settingstestkit.h"
#include "tests/settings/subscreentestkit.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QJsonArray>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>

// Every request the user waits for on the settings page, over the whole window and a fake agent: the wait ends on a
// dropped link and past its deadline, and an answer that comes late counts only while its screen is in front.

namespace {

enum Kind
{
    Gateways,
    Findings,
    Peers,
    Preference,
    FeedbackForm,
};

enum Scenario
{
    LinkDrop,
    Silence,
    LateAfterLeaving,
    LateInFront,
};

const QByteArray gatewaysRequest("{\"type\":10}\n");
const QByteArray findingsRequest("{\"type\":12}\n");
const QByteArray peersRequest("{\"type\":14}\n");
const QByteArray preferenceRequest("{\"pag_preference\":{\"id\":\"pag-osl-1\",\"type\":1},\"type\":11}\n");
const QString feedbackSilence = QStringLiteral(
    "The application service did not answer. Your feedback may still arrive; if it does, its ticket number will be "
    "shown.");
const QByteArray
    feedbackRequest("{\"feedback\":{\"description\":\"Every hour.\",\"title\":\"VPN drops\"},\"type\":9}\n");

QJsonObject answer(int type, const QJsonObject& response)
{
    return agentMessage(type, {{QStringLiteral("response"), response}});
}

QJsonObject gatewayListing()
{
    auto gateway = [](const char* id, const char* name) {
        return QJsonObject{{"id", id}, {"type", 1}, {"name", name}, {"city", name}, {"country", "XX"}, {"status", 1}};
    };
    // The base snapshot prefers "pag-fra-1".
    return answer(9, {{"type", 0},
                      {"pag_listing", QJsonObject{{"pags", QJsonArray{gateway("pag-fra-1", "Frankfurt"),
                                                                      gateway("pag-osl-1", "Oslo")}}}}});
}

QJsonObject findingsListing()
{
    const QJsonObject program{{"name", "evil.exe"}, {"path", ""}, {"attributes", QJsonArray()}};
    const QJsonObject unit{{"condition", "INSTALLED"}, {"programs", QJsonArray{program}}};
    return answer(12, {{"type", 0}, {"violation_list", QJsonObject{{"program", QJsonArray{unit}}}}});
}

QJsonObject peersListing()
{
    const QJsonObject peer{{"caname", "build-01"}, {"drname", "BUILD01"}, {"addr", "10.2.0.1"}};
    return answer(14, {{"type", 0}, {"peer_listing", QJsonObject{{"peers", QJsonArray{peer}}}}});
}

template <typename T> T* subScreen(const MainWindowHarness& h)
{
    return h.window->findChild<T*>();
}

QPushButton* button(const QWidget* within, const char* name)
{
    return within->findChild<QPushButton*>(QString::fromLatin1(name));
}

// A spinner on the page in front; other screens' waits are not this page's.
bool spinnerShown(const MainWindowHarness& h)
{
    const QWidget* front = h.window->findChild<QStackedWidget*>(QStringLiteral("screenStack"))->currentWidget();
    for (const WaitingSpinnerWidget* spinner : front->findChildren<WaitingSpinnerWidget*>()) {
        if (!spinner->isHidden())
            return true;
    }
    return false;
}

// Time passes beyond every running answer deadline (and only those: a wait not started has nothing to expire).
int letDeadlinesPass(const MainWindowHarness& h)
{
    int fired = 0;
    for (QTimer* deadline : h.window->findChildren<QTimer*>(QStringLiteral("answerDeadline"))) {
        if (deadline->isActive()) {
            deadline->start(0);
            ++fired;
        }
    }
    QTest::qWait(5);
    return fired;
}

// How often the agent got `request` since the last look.
int timesReceived(MainWindowHarness& h, const QByteArray& request)
{
    int times = 0;
    for (QByteArray line = h.nextRequest(); !line.isEmpty(); line = h.nextRequest())
        times += line == request ? 1 : 0;
    return times;
}

// The whole window with a signed-in user who may choose gateways and see peers and findings, on the settings page.
struct Window
{
    Window() : dovrin(brandProfileNamed(QStringLiteral("dovrin")))
    {
        h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.user.email"), QStringLiteral("ann@acme.example")},
                                   {QStringLiteral("agentinfo.features.secconn.pag_selection_allowed"), true},
                                   {QStringLiteral("agentinfo.features.edrinfo.dpm_enabled"), true}}));
        h.showPage(MainWindow::SettingsPage);
    }

    Settings* settings() const { return subScreen<Settings>(h); }
    int settingsIndex() const
    {
        return settings()->findChild<QStackedWidget*>(QStringLiteral("settingsStack"))->currentIndex();
    }
    void open(const char* entry) { button(settings(), entry)->click(); }

    ScopedBrandProfile dovrin;
    MainWindowHarness h;
    Dialogs dialogs;
};

// What each kind of request is, where it waits and where it says what became of it.
struct Request
{
    QWidget* screen;      // the screen the user waits on
    QByteArray line;      // the request the agent receives
    QJsonObject reply;    // the agent's answer
    QWidget* control;     // what the user needs usable again once the wait is over
    const char* listName; // listings: the view that shows the rows

    // Listings: the line in place of the rows. The gateway choice: that line, or the one under the rows.
    QString textShown() const
    {
        if (listName || (qobject_cast<PagSelection*>(screen) && listOf(screen, "pag list")->isHidden()))
            return infoLabel(screen)->text();
        return labelText(screen, "statusMessage");
    }
    // Listings and the gateway choice: the rows shown; the feedback form: the subject still typed.
    QString content() const
    {
        if (qobject_cast<Feedback*>(screen))
            return screen->findChild<QLineEdit*>(QStringLiteral("feedBackTitle"))->text();
        return QString::number(listOf(screen, listName ? listName : "pag list")->model()->rowCount());
    }
    void leave() const { button(screen, "backButton")->click(); }
};

Request start(Window& w, Kind kind)
{
    switch (kind) {
    case Gateways:
        w.open("pagButton");
        return {subScreen<PagSelection>(w.h), gatewaysRequest, gatewayListing(), subScreen<PagSelection>(w.h),
                "pag list"};
    case Findings:
        w.open("notificationButton");
        return {subScreen<Notification>(w.h), findingsRequest, findingsListing(), subScreen<Notification>(w.h),
                "violations list"};
    case Peers:
        w.open("peerListButton");
        return {subScreen<PeerDevices>(w.h), peersRequest, peersListing(), subScreen<PeerDevices>(w.h), "peer list"};
    case Preference: {
        w.open("pagButton");
        w.h.nextRequest();
        w.h.deliver(gatewayListing());
        QListView* view = listOf(subScreen<PagSelection>(w.h), "pag list");
        view->selectionModel()->setCurrentIndex(view->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
        button(subScreen<PagSelection>(w.h), "applyButton")->click();
        return {subScreen<PagSelection>(w.h), preferenceRequest, answer(10, {{"type", PagPreferenceFailed}}),
                subScreen<PagSelection>(w.h), nullptr};
    }
    case FeedbackForm: {
        w.open("feedBackLabel");
        auto* form = subScreen<Feedback>(w.h);
        form->findChild<QLineEdit*>(QStringLiteral("feedBackTitle"))->setText(QStringLiteral("VPN drops"));
        form->findChild<QPlainTextEdit*>(QStringLiteral("feedbackBodyText"))
            ->setPlainText(QStringLiteral("Every hour."));
        button(form, "pushButton")->click();
        return {form, feedbackRequest, answer(7, {{"type", 0}, {"feedback", QJsonObject{{"ticket_id", "42"}}}}),
                button(form, "pushButton"), nullptr};
    }
    }
    return {};
}

} // namespace

class TestSubScreenWaits : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void everyWaitEnds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("scenario");
        QTest::addColumn<QString>("text");      // what the screen says once the wait is over
        QTest::addColumn<QString>("content");   // rows of a listing, subject of the form
        QTest::addColumn<int>("requestsAfter"); // the same request, sent again on its own

        const QString unavailable = agentUnavailable;
        const QString silence = AnswerWait::silenceText();
        const struct
        {
            const char* name;
            Kind kind;
            const char* rows;
        } listings[] = {{"gateways", Gateways, "2"}, {"findings", Findings, "3"}, {"peers", Peers, "1"}};
        for (const auto& listing : listings) {
            auto row = [&](const char* scenario) -> QTestData& {
                return QTest::addRow("%s, %s", listing.name, scenario);
            };
            // Once the link is back the open screen asks for its listing, once.
            row("link drop") << int(listing.kind) << int(LinkDrop) << unavailable << "0" << 1;
            row("silence") << int(listing.kind) << int(Silence) << silence << "0" << 0;
            row("late answer after leaving") << int(listing.kind) << int(LateAfterLeaving) << ""
                                             << "0" << 0;
            row("late answer in front") << int(listing.kind) << int(LateInFront) << "" << listing.rows << 0;
        }
        // The gateway choice waits where it was made; the list stays for another try, unless the link took it.
        QTest::newRow("preference, link drop") << int(Preference) << int(LinkDrop) << unavailable << "0" << 0;
        QTest::newRow("preference, silence") << int(Preference) << int(Silence) << silence << "2" << 0;
        QTest::newRow("preference, late failure after leaving") << int(Preference) << int(LateAfterLeaving) << ""
                                                                << "0" << 0;
        QTest::newRow("preference, late failure in front")
            << int(Preference) << int(LateInFront) << "Setting the preferred access gateway failed"
            << "2" << 0;
        QTest::newRow("feedback, link drop") << int(FeedbackForm) << int(LinkDrop) << unavailable << "VPN drops" << 0;
        QTest::newRow("feedback, silence") << int(FeedbackForm) << int(Silence) << feedbackSilence << "VPN drops" << 0;
        // Filed after all: the draft goes, as on any success, and the ticket is told wherever the user went.
        QTest::newRow("feedback, late answer after leaving") << int(FeedbackForm) << int(LateAfterLeaving) << ""
                                                             << "" << 0;
        QTest::newRow("feedback, late answer in front") << int(FeedbackForm) << int(LateInFront) << ""
                                                        << "" << 0;
    }
    void everyWaitEnds()
    {
        QFETCH(int, kind);
        QFETCH(int, scenario);
        QFETCH(QString, text);
        QFETCH(QString, content);
        QFETCH(int, requestsAfter);
        Window w;
        w.dialogs.press = QStringLiteral("OK");
        w.h.window->show();
        const Request request = start(w, Kind(kind));
        QCOMPARE(w.h.nextRequest(), request.line);
        QCOMPARE(spinnerShown(w.h), !qobject_cast<Feedback*>(request.screen));

        switch (scenario) {
        case LinkDrop:
            w.h.drop();
            break;
        case Silence:
            QCOMPARE(letDeadlinesPass(w.h), 1);
            break;
        case LateAfterLeaving:
            QCOMPARE(letDeadlinesPass(w.h), 1);
            request.leave();
            w.h.deliver(request.reply);
            break;
        case LateInFront:
            QCOMPARE(letDeadlinesPass(w.h), 1);
            w.h.deliver(request.reply);
            break;
        }

        QVERIFY(!spinnerShown(w.h));
        QVERIFY(request.control->isEnabled());
        QCOMPARE(request.textShown(), text);
        QCOMPARE(request.content(), content);
        // The feedback form tells a filed ticket in a box, and only an answer it takes.
        const bool filed = kind == FeedbackForm && (scenario == LateInFront || scenario == LateAfterLeaving);
        QCOMPARE(w.dialogs.seen.size(), filed ? 1 : 0);

        if (scenario == LinkDrop) {
            w.h.restore();
            // An open listing asks again, in place of the word about the link.
            if (request.listName)
                QCOMPARE(request.textShown(), QString());
            QVERIFY(request.control->isEnabled());
        }
        QCOMPARE(timesReceived(w.h, request.line), requestsAfter);
    }

    // A ticket for feedback whose deadline passed reaches the user wherever they are: a box over the window, a
    // desktop notice while the window is out of sight. The form is emptied only if it still holds what was filed.
    void lateTicketFindsTheUser_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("retyped");
        QTest::addColumn<bool>("box");
        QTest::newRow("feedback form") << "form" << false << true;
        QTest::newRow("feedback form, another text typed") << "form" << true << true;
        QTest::newRow("settings list") << "list" << false << true;
        QTest::newRow("home") << "home" << false << true;
        QTest::newRow("window in the tray") << "hidden" << false << false;
    }
    void lateTicketFindsTheUser()
    {
        QFETCH(QString, where);
        QFETCH(bool, retyped);
        QFETCH(bool, box);
        Window w;
        w.dialogs.press = QStringLiteral("OK");
        w.h.window->show();
        QSignalSpy notices(w.settings(), &Settings::feedbackNotice);
        const Request request = start(w, FeedbackForm);
        QCOMPARE(w.h.nextRequest(), request.line);
        QCOMPARE(letDeadlinesPass(w.h), 1);
        QCOMPARE(request.textShown(), feedbackSilence);
        auto* subjectField = request.screen->findChild<QLineEdit*>(QStringLiteral("feedBackTitle"));
        if (retyped)
            subjectField->setText(QStringLiteral("Another matter"));
        if (where == QLatin1String("list") || where == QLatin1String("home"))
            request.leave();
        if (where == QLatin1String("home"))
            w.h.showPage(MainWindow::HomePage);
        if (where == QLatin1String("hidden"))
            w.h.window->hide();

        w.h.deliver(request.reply);
        QCOMPARE(w.dialogs.seen.size(), box ? 1 : 0);
        QCOMPARE(notices.size(), box ? 0 : 1);
        const QString told = box ? w.dialogs.seen.first().text : notices.first().first().toString();
        QCOMPARE(told, QStringLiteral("Your feedback has been submitted. Ticket ID: 42"));
        QCOMPARE(subjectField->text(), retyped ? QStringLiteral("Another matter") : QString());
        QCOMPARE(timesReceived(w.h, request.line), 0);
    }

    // Each visit starts empty, under the spinner, whatever answer came in between.
    void listingsStartEmptyOnEveryVisit_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("gateways") << int(Gateways);
        QTest::newRow("findings") << int(Findings);
        QTest::newRow("peers") << int(Peers);
    }
    void listingsStartEmptyOnEveryVisit()
    {
        QFETCH(int, kind);
        Window w;
        Request request = start(w, Kind(kind));
        w.h.deliver(request.reply);
        QVERIFY(request.content() != QLatin1String("0"));
        request.leave();

        // Asked again, then left before the answer came.
        request = start(w, Kind(kind));
        request.leave();
        w.h.deliver(request.reply);
        QCOMPARE(request.content(), QStringLiteral("0"));

        request = start(w, Kind(kind));
        QCOMPARE(request.content(), QStringLiteral("0"));
        QCOMPARE(request.textShown(), QString());
        QVERIFY(spinnerShown(w.h));
        QCOMPARE(timesReceived(w.h, request.line), 3);
    }

    // A long list opens at its top on every visit, wherever the last one was left.
    void longListingOpensAtTheTop()
    {
        Window w;
        w.h.window->show();
        const QJsonObject unit{
            {"condition", "INSTALLED"},
            {"programs", QJsonArray{QJsonObject{{"name", "evil.exe"}, {"path", ""}, {"attributes", QJsonArray()}}}}};
        QJsonArray units;
        for (int n = 0; n < 60; ++n)
            units.append(unit);
        const QJsonObject listing = answer(12, {{"type", 0}, {"violation_list", QJsonObject{{"program", units}}}});
        Request request = start(w, Findings);
        w.h.deliver(listing);
        QListView* view = listOf(request.screen, "violations list");
        QVERIFY(view->verticalScrollBar()->maximum() > 0);
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        request.leave();
        request = start(w, Findings);
        w.h.deliver(listing);
        QCoreApplication::processEvents();
        QCOMPARE(view->verticalScrollBar()->value(), 0);
    }

    // The window moved to another page on its own: the settings open on their list, and the answer the sub-screen
    // waited for no longer reaches it.
    void settingsOpenOnTheirList()
    {
        Window w;
        const Request request = start(w, Gateways);
        QCOMPARE(w.settingsIndex(), int(Settings::PagSelectionPage));
        w.h.deliver(agentMessage(0, {{QStringLiteral("agentinfo.activation_state"), 2}}));
        QCOMPARE(w.h.page(), int(MainWindow::PendingPage));
        QCOMPARE(w.settingsIndex(), int(Settings::ListPage));
        w.h.deliver(request.reply);
        QCOMPARE(request.content(), QStringLiteral("0"));
        w.h.showPage(MainWindow::SettingsPage);
        QCOMPARE(w.settingsIndex(), int(Settings::ListPage));
    }

    void applyOnlyForAnotherGatewayOfTheCurrentList()
    {
        Window w;
        const Request request = start(w, Gateways);
        auto* apply = button(request.screen, "applyButton");
        QVERIFY(!apply->isEnabled());
        w.h.deliver(request.reply);
        QListView* view = listOf(request.screen, "pag list");
        QVERIFY(!apply->isEnabled()); // the preferred one is checked
        view->selectionModel()->setCurrentIndex(view->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
        QVERIFY(apply->isEnabled());

        // The next visit has no list yet, so nothing to apply.
        request.leave();
        start(w, Gateways);
        QVERIFY(!apply->isEnabled());
    }

    // With the link down Apply says so where the user is and sends nothing; the list comes back with the link.
    void applyWithTheLinkDown()
    {
        Window w;
        const Request request = start(w, Gateways);
        w.h.deliver(request.reply);
        QListView* view = listOf(request.screen, "pag list");
        view->selectionModel()->setCurrentIndex(view->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
        w.h.drop();
        QVERIFY(request.textShown().isEmpty()); // a shown list was not waiting
        button(request.screen, "applyButton")->click();

        QCOMPARE(w.h.page(), int(MainWindow::SettingsPage));
        QCOMPARE(w.settingsIndex(), int(Settings::PagSelectionPage));
        QCOMPARE(request.textShown(), agentUnavailable);
        QCOMPARE(w.h.nextRequest(), request.line); // the opening request, nothing after it
        QVERIFY(w.h.nextRequest().isEmpty());

        w.h.restore();
        QCOMPARE(request.textShown(), QString());
        QCOMPARE(timesReceived(w.h, request.line), 1);
        QCOMPARE(timesReceived(w.h, preferenceRequest), 0);
    }

    // The agent's answer to a choice, in time: a refusal stays on the gateway screen beside the list to choose again
    // from, and the home page says it too; an accepted choice leads home.
    void preferenceAnswerInTime_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("settingsIndex");
        QTest::addColumn<QString>("told");
        QTest::newRow("refused") << int(PagPreferenceFailed) << int(MainWindow::SettingsPage)
                                 << int(Settings::PagSelectionPage) << "Setting the preferred access gateway failed";
        QTest::newRow("accepted") << int(Success) << int(MainWindow::HomePage) << int(Settings::ListPage) << "";
    }
    void preferenceAnswerInTime()
    {
        QFETCH(int, code);
        QFETCH(int, page);
        QFETCH(int, settingsIndex);
        QFETCH(QString, told);
        Window w;
        const Request request = start(w, Preference);
        QCOMPARE(w.h.nextRequest(), request.line);
        QVERIFY(!request.screen->isEnabled()); // under the spinner, so the choice goes once

        w.h.deliver(answer(10, {{"type", code}}));

        QVERIFY(!spinnerShown(w.h));
        QVERIFY(request.screen->isEnabled());
        QCOMPARE(w.h.page(), page);
        QCOMPARE(w.settingsIndex(), settingsIndex);
        QCOMPARE(request.textShown(), told);
        QCOMPARE(w.h.text("statusText"), told);
        QCOMPARE(request.content(), told.isEmpty() ? QStringLiteral("0") : QStringLiteral("2"));
        QCOMPARE(button(request.screen, "applyButton")->isEnabled(), !told.isEmpty());
    }

    void notSubscribedIsToldOnTheGatewayScreen()
    {
        Window w;
        const Request request = start(w, Gateways);
        w.h.deliver(answer(9, {{"type", NotSubscribed}}));
        QCOMPARE(request.textShown(), QStringLiteral("You're not subscribed to the secure connection"));
        QCOMPARE(w.h.text("statusText"), QStringLiteral("You're not subscribed to the secure connection"));
        QCOMPARE(request.content(), QStringLiteral("0"));
        QVERIFY(!spinnerShown(w.h));
    }
};

QTEST_MAIN(TestSubScreenWaits)
#include "test_subscreen_waits.moc"
