// Runs under tests/support/with-accessibility-bus: Qt raises accessibility events only where a screen reader's bus
// is there to hear them. The settings page and its sub-screens as a screen reader works them: through QAccessible
// interfaces, over the whole window and a fake agent.
#include "app/startup.h"
#include "settings/feedback.h"
#include "settings/notification.h"
#include "settings/pagselection.h"
#include "settings/peerdevices.h"
#include "tests/settings/settingstestkit.h"
#include "tests/settings/subscreentestkit.h"
#include "tests/support/mainwindowharness.h"
#include "tests/support/metatypes.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QJsonArray>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QSet>

namespace {

struct Heard
{
    QString objectName;
    QAccessible::Event type;
    int child;
    bool operator==(const Heard& other) const
    {
        return objectName == other.objectName && type == other.type && child == other.child;
    }
};

QList<Heard>& heard()
{
    static QList<Heard> events;
    return events;
}

void listen(QAccessibleEvent* event)
{
    if (event->object())
        heard() << Heard{event->object()->objectName(), event->type(), event->child()};
}

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// A signed-in user who may choose gateways and see peers and findings.
const QList<QPair<QString, QJsonValue>> signedIn{
    {QStringLiteral("agentinfo.user.email"), QStringLiteral("ann@acme.example")},
    {QStringLiteral("agentinfo.features.secconn.pag_selection_allowed"), true},
    {QStringLiteral("agentinfo.features.secconn.peer_discovery_allowed"), true},
    {QStringLiteral("agentinfo.features.edrinfo.dpm_enabled"), true}};

// The agent sends its snapshot with every answer.
QJsonObject answer(int type, const QJsonObject& response)
{
    return agentMessage(type, QList<QPair<QString, QJsonValue>>(signedIn)
                                  << qMakePair(QStringLiteral("response"), QJsonValue(response)));
}

// The base snapshot prefers "pag-fra-1".
QJsonObject gatewayListing()
{
    auto gateway = [](const char* id, const char* name, int status) {
        return QJsonObject{{"id", id},     {"type", 1},       {"name", name},
                           {"city", name}, {"country", "XX"}, {"status", status}};
    };
    return answer(9, {{"type", 0},
                      {"pag_listing", QJsonObject{{"pags", QJsonArray{gateway("pag-fra-1", "Frankfurt", 1),
                                                                      gateway("pag-osl-1", "Oslo", 1),
                                                                      gateway("pag-rom-1", "Rome", 0)}}}}});
}

QJsonObject findingsListing()
{
    const QJsonObject attribute{{"vendor", "Evil Corp"}};
    const QJsonObject program{{"name", "evil.exe"}, {"path", ""}, {"attributes", QJsonArray{attribute}}};
    const QJsonObject unit{{"condition", "INSTALLED"}, {"programs", QJsonArray{program}}};
    return answer(12, {{"type", 0}, {"violation_list", QJsonObject{{"program", QJsonArray{unit}}}}});
}

QJsonObject peersListing()
{
    auto peer = [](const char* name, const char* address) {
        return QJsonObject{{"caname", name}, {"drname", "PC"}, {"addr", address}};
    };
    return answer(14,
                  {{"type", 0},
                   {"peer_listing",
                    QJsonObject{{"peers", QJsonArray{peer("build-01", "10.2.0.1"), peer("build-02", "10.2.0.2")}}}}});
}

QString roleName(QAccessible::Role role)
{
    const char* key = QMetaEnum::fromType<QAccessible::Role>().valueToKey(role);
    return key ? QString::fromLatin1(key) : QString::number(role);
}

// What a screen reader finds in front, one object a line, and the focusable ones among them without a name.
void walk(QAccessibleInterface* node, int depth, QStringList& objects, QStringList& nameless)
{
    if (node->state().invisible)
        return;
    const QString line = roleName(node->role()) + QStringLiteral(": ") + node->text(QAccessible::Name);
    objects << QString(depth * 2, QLatin1Char(' ')) + line;
    if (node->state().focusable && node->text(QAccessible::Name).trimmed().isEmpty())
        nameless << line;
    for (int index = 0; index < node->childCount(); ++index) {
        if (QAccessibleInterface* child = node->child(index))
            walk(child, depth + 1, objects, nameless);
    }
}

// The whole window with the signed-in user, on the settings page.
struct Window
{
    explicit Window(const QString& brandName = QStringLiteral("dovrin"),
                    const QList<QPair<QString, QJsonValue>>& snapshot = signedIn)
        : brand(brandProfileNamed(brandName))
    {
        h.deliver(agentMessage(0, snapshot));
        h.showPage(MainWindow::SettingsPage);
        h.window->show();
        QApplication::setActiveWindow(h.window.get());
    }

    Settings* settings() const { return h.window->findChild<Settings*>(); }
    QStackedWidget* stack() const { return settings()->findChild<QStackedWidget*>(QStringLiteral("settingsStack")); }
    int subScreen() const { return stack()->currentIndex(); }
    // A control of the list page: the sub-screens reuse names such as "backButton".
    QWidget* row(const QString& name) const { return stack()->widget(Settings::ListPage)->findChild<QWidget*>(name); }

    // As a screen reader opens it: the row's press action; the agent answers with `listing` when there is one.
    bool open(const QString& caption, int page, const QJsonObject& listing = {})
    {
        accessible(row(caption))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        if (!QTest::qWaitFor([&] { return subScreen() == page; }))
            return false;
        if (!listing.isEmpty()) {
            h.nextRequest();
            h.deliver(listing);
        }
        return true;
    }
    QAccessibleInterface* list(const char* name) const { return accessible(h.widget(name)); }

    ScopedBrandProfile brand;
    MainWindowHarness h;
};

} // namespace

class TestSettingsAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        QAccessible::installUpdateHandler(listen);
    }
    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }
    void init() { heard().clear(); }

    // Each screen in front as the user finds it; a list is named after its screen, each settings row is one object.
    void everyFocusableObjectHasAName_data()
    {
        QTest::addColumn<QString>("caption"); // the settings row that opens the screen; empty: the page itself
        QTest::addColumn<int>("page");
        QTest::addColumn<QJsonObject>("listing");
        QTest::addColumn<QString>("listName"); // the screen's title
        QTest::newRow("settings") << QString() << int(Settings::ListPage) << QJsonObject() << QString();
        QTest::newRow("feedback") << "feedBackLabel" << int(Settings::FeedbackPage) << QJsonObject() << QString();
        QTest::newRow("gateways") << "pagNameLabel" << int(Settings::PagSelectionPage) << gatewayListing()
                                  << "Preferred Gateway";
        QTest::newRow("findings") << "notificationLabel" << int(Settings::NotificationPage) << findingsListing()
                                  << "Notifications";
        QTest::newRow("peers") << "peerListLabel" << int(Settings::PeerDevicesPage) << peersListing() << "Peer Devices";
    }
    void everyFocusableObjectHasAName()
    {
        QFETCH(QString, caption);
        QFETCH(int, page);
        QFETCH(QJsonObject, listing);
        QFETCH(QString, listName);
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(w.h.window.get()));
        if (!caption.isEmpty())
            QVERIFY(w.open(caption, page, listing));

        QStringList objects;
        QStringList nameless;
        walk(accessible(w.h.window.get()), 0, objects, nameless);
        const QString tree = QLatin1Char('\n') + objects.join(QLatin1Char('\n'));
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", ")) + tree));
        if (!listName.isEmpty()) {
            QVERIFY2(
                objects.filter(QRegularExpression(QStringLiteral("^ *List: ") + listName + QLatin1Char('$'))).size() ==
                    1,
                qPrintable(tree));
            QVERIFY2(!objects.filter(QStringLiteral("ListItem: ")).isEmpty(), qPrintable(tree));
        }
        // A row is read once, by its caption: the arrow beside it repeats it only for the eye.
        const QStringList buttons = objects.filter(QRegularExpression(QStringLiteral("^ *Button: ")));
        QVERIFY2(QSet<QString>(buttons.begin(), buttons.end()).size() == buttons.size(), qPrintable(tree));
    }

    // The controls beside a row that repeat it for the mouse are not where a screen reader walks: hidden or not, it
    // would find each one and read the row twice, the gateway's name once more without a name of its own.
    void repetitionsAreLeftOut_data()
    {
        QTest::addColumn<QString>("repetition");
        QTest::addColumn<QString>("caption"); // the row's caption, which stays
        QTest::newRow("gateway name") << "pagName"
                                      << "pagNameLabel";
        QTest::newRow("gateway arrow") << "pagButton"
                                       << "pagNameLabel";
        QTest::newRow("findings arrow") << "notificationButton"
                                        << "notificationLabel";
        QTest::newRow("peers arrow") << "peerListButton"
                                     << "peerListLabel";
        QTest::newRow("feedback arrow") << "feedBackButton"
                                        << "feedBackLabel";
        QTest::newRow("report arrow") << "supportReportButton"
                                      << "supportReportLabel";
        QTest::newRow("deactivation arrow") << "resetDeviceButton"
                                            << "deactivateButton";
        QTest::newRow("sign-out icon") << "signOutIcon"
                                       << "signOutButton";
    }
    void repetitionsAreLeftOut()
    {
        QFETCH(QString, repetition);
        QFETCH(QString, caption);
        Window w;
        QWidget* control = w.row(repetition);
        QAccessibleInterface* container = accessible(control->parentWidget());
        QList<QObject*> children;
        for (int index = 0; index < container->childCount(); ++index)
            children << container->child(index)->object();
        QVERIFY(!children.contains(control));
        QVERIFY(children.contains(w.row(caption)));
        QCOMPARE(container->indexOfChild(accessible(control)), -1);
        QCOMPARE(container->indexOfChild(accessible(w.row(caption))), children.indexOf(w.row(caption)));
    }

    // Whatever a screen reader does to the gateway rows, one gateway stays chosen, and Apply is there for a gateway
    // other than the one in use. The chosen one is selected, not checked: a screen reader would say "checked" for
    // every row the arrows pass.
    void gatewayRowsKeepOneChoice_data()
    {
        QTest::addColumn<QStringList>("steps"); // "toggle N" (the row's action), "select N", "unselect N"
        QTest::addColumn<int>("checked");
        QTest::addColumn<bool>("applicable");
        QTest::newRow("toggle another") << QStringList{"toggle 1"} << 1 << true;
        QTest::newRow("toggle the checked one") << QStringList{"toggle 0"} << 0 << false;
        QTest::newRow("toggle one out of service") << QStringList{"toggle 2"} << 0 << false;
        QTest::newRow("toggle another, then back") << QStringList{"toggle 1", "toggle 0"} << 0 << false;
        QTest::newRow("select another") << QStringList{"select 1"} << 1 << true;
        QTest::newRow("select one out of service") << QStringList{"select 2"} << 0 << false;
        QTest::newRow("unselect the checked one") << QStringList{"unselect 0"} << 0 << false;
        QTest::newRow("select another, unselect it") << QStringList{"select 1", "unselect 1"} << 1 << true;
    }
    void gatewayRowsKeepOneChoice()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, checked);
        QFETCH(bool, applicable);
        Window w;
        QVERIFY(w.open(QStringLiteral("pagNameLabel"), Settings::PagSelectionPage, gatewayListing()));
        QAccessibleInterface* list = w.list("pag list");
        QAccessibleTableInterface* table = list->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->selectedRows(), QList<int>{0});

        for (const QString& step : steps) {
            const int row = step.section(QLatin1Char(' '), 1).toInt();
            if (step.startsWith(QLatin1String("toggle")))
                list->child(row)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            else if (step.startsWith(QLatin1String("select")))
                table->selectRow(row);
            else
                QVERIFY(!table->unselectRow(row));
        }

        QCOMPARE(table->selectedRows(), QList<int>{checked});
        for (int row = 0; row < table->rowCount(); ++row) {
            const QAccessible::State state = list->child(row)->state();
            QVERIFY(!state.checkable);
            QVERIFY(!state.checked);
            QCOMPARE(bool(state.selected), row == checked);
        }
        QCOMPARE(bool(accessible(w.h.widget("applyButton"))->state().disabled), !applicable);
    }

    // Grey is not all a screen reader learns: a gateway says it is in use or out of service, and one out of service
    // offers nothing to do.
    void gatewayRowsTellTheirService()
    {
        Window w;
        QVERIFY(w.open(QStringLiteral("pagNameLabel"), Settings::PagSelectionPage, gatewayListing()));
        QAccessibleInterface* list = w.list("pag list");
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 3);
        const QStringList descriptions{"In use", "", "Out of service"};
        for (int row = 0; row < 3; ++row) {
            QAccessibleInterface* gateway = list->child(row);
            QCOMPARE(gateway->role(), QAccessible::ListItem);
            QCOMPARE(gateway->text(QAccessible::Description), descriptions.at(row));
            QCOMPARE(bool(gateway->state().disabled), row == 2);
            QCOMPARE(gateway->actionInterface()->actionNames().isEmpty(), row == 2);
        }
        QCOMPARE(list->child(1)->text(QAccessible::Name), QStringLiteral("Oslo"));
    }

    // Taking the focus, a list tells a screen reader of itself and then of the row the keyboard is on, so that the
    // row is heard on entering and the first arrow key does not pass a row never heard.
    void enteringAListTellsItsCurrentRow_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("page");
        QTest::addColumn<QJsonObject>("listing");
        QTest::addColumn<QString>("listName");
        QTest::addColumn<int>("current");
        QTest::newRow("gateways: the one in use")
            << "pagNameLabel" << int(Settings::PagSelectionPage) << gatewayListing() << "pag list" << 0;
        QTest::newRow("findings: the first")
            << "notificationLabel" << int(Settings::NotificationPage) << findingsListing() << "violations list" << 0;
        QTest::newRow("peers: the first")
            << "peerListLabel" << int(Settings::PeerDevicesPage) << peersListing() << "peer list" << 0;
    }
    void enteringAListTellsItsCurrentRow()
    {
        QFETCH(QString, caption);
        QFETCH(int, page);
        QFETCH(QJsonObject, listing);
        QFETCH(QString, listName);
        QFETCH(int, current);
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(w.h.window.get()));
        QVERIFY(w.open(caption, page, listing));
        QWidget* view = w.h.widget(qPrintable(listName));
        view->window()->activateWindow();
        heard().clear();
        view->setFocus(Qt::TabFocusReason);
        auto focusEvents = [&] {
            QList<int> children;
            for (const Heard& event : qAsConst(heard())) {
                if (event.objectName == listName && event.type == QAccessible::Focus)
                    children << event.child;
            }
            return children;
        };
        QTRY_VERIFY(!focusEvents().isEmpty() && focusEvents().last() == current);
        QVERIFY(focusEvents().contains(-1));
        QVERIFY(accessible(view)->child(current)->state().focused);

        // The keyboard leaving before the row is told: nothing is told of a list without the focus.
        view->clearFocus();
        heard().clear();
        view->setFocus(Qt::TabFocusReason);
        view->clearFocus();
        QTest::qWait(0);
        QCoreApplication::processEvents();
        QVERIFY(!focusEvents().contains(current));
    }

    // A peer row's press copies the address, as its copy button does; the row then says "Copied" where the address
    // was, and a screen reader hears it, once per copy.
    void peerRowPressCopiesAndConfirms()
    {
        Window w;
        QVERIFY(w.open(QStringLiteral("peerListLabel"), Settings::PeerDevicesPage, peersListing()));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QAccessibleInterface* list = w.list("peer list");
        QAccessibleInterface* peer = list->child(1);
        QCOMPARE(peer->text(QAccessible::Name), QStringLiteral("build-02, PC, 10.2.0.2"));
        QCOMPARE(peer->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});

        heard().clear();
        for (int copies = 1; copies <= 2; ++copies) {
            peer->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("10.2.0.2"));
            QCOMPARE(peer->text(QAccessible::Name), QStringLiteral("build-02, PC, Copied"));
            QCOMPARE(heard().count({QStringLiteral("peer list"), QAccessible::NameChanged, 1}), copies);
            // Orca drops a list item's change of name: the screen's news object says it, shown anew each time.
            QCOMPARE(heard().count({QStringLiteral("herald"), QAccessible::ObjectShow, -1}), copies);
            QCOMPARE(accessible(w.h.window->findChild<PeerDevices*>()->findChild<QWidget*>(QStringLiteral("herald")))
                         ->text(QAccessible::Name),
                     QStringLiteral("Copied"));
        }
        QCOMPARE(list->child(0)->text(QAccessible::Name), QStringLiteral("build-01, PC, 10.2.0.1"));

        fireTimers(w.h.window->findChild<PeerDevices*>(), QStringLiteral("copyConfirmationTimer"));
        QCOMPARE(peer->text(QAccessible::Name), QStringLiteral("build-02, PC, 10.2.0.2"));
        QCOMPARE(heard().count({QStringLiteral("peer list"), QAccessible::NameChanged, 1}), 3);
    }

    // Findings are read with their details under their headings, and there is nothing to do with them. The bullet
    // before an item is for the eye: a screen reader would say "bullet".
    void findingRowsAreRead()
    {
        Window w;
        QVERIFY(w.open(QStringLiteral("notificationLabel"), Settings::NotificationPage, findingsListing()));
        QAccessibleInterface* list = w.list("violations list");
        QStringList rows;
        for (int row = 0; row < list->childCount(); ++row)
            rows << roleName(list->child(row)->role()) + QStringLiteral(": ") +
                        list->child(row)->text(QAccessible::Name);
        QCOMPARE(rows,
                 QStringList({"Heading: Programs", "Heading: Malicious Applications Installed", "ListItem: evil.exe"}));
        QAccessibleInterface* item = list->child(2);
        QVERIFY(item->text(QAccessible::Description).contains(QLatin1String("Evil Corp")));
        QVERIFY(item->actionInterface()->actionNames().isEmpty());
        QVERIFY(list->tableInterface()->selectRow(0));
        QCOMPARE(list->tableInterface()->selectedRows(), QList<int>{0});
    }

    // The line in place of a list is spoken when it says something new, once: the same answer again is not news.
    // Orca speaks a notification object as it becomes showing, so the list's herald is shown again with the line.
    void informationLineIsAnnounced()
    {
        Window w;
        const QJsonObject noPeers = answer(14, {{"type", 0}, {"peer_listing", QJsonObject{{"peers", QJsonArray()}}}});
        QVERIFY(w.open(QStringLiteral("peerListLabel"), Settings::PeerDevicesPage, noPeers));
        QWidget* herald = infoLabel(w.h.window->findChild<PeerDevices*>())
                              ->parentWidget()
                              ->parentWidget()
                              ->findChild<QWidget*>(QStringLiteral("herald"));
        QCOMPARE(accessible(herald)->role(), QAccessible::Notification);
        QTRY_COMPARE(accessible(herald)->text(QAccessible::Name), QStringLiteral("Peer list is empty"));
        QVERIFY(accessible(herald)->state().invisible == false);
        heard().clear();
        w.h.deliver(noPeers);
        QTest::qWait(20);
        QCOMPARE(heard().count({QStringLiteral("herald"), QAccessible::ObjectShow, -1}), 0);
    }

    // The red mark on the findings row's arrow is told by the row itself.
    void findingsMarkIsTold()
    {
        Window w;
        const QString notify = QStringLiteral("agentinfo.features.dpminfo.notify_violation");
        QAccessibleInterface* row = accessible(w.row(QStringLiteral("notificationLabel")));
        w.h.deliver(
            agentMessage(0, QList<QPair<QString, QJsonValue>>(signedIn) << qMakePair(notify, QJsonValue(true))));
        QCOMPARE(row->text(QAccessible::Description), QStringLiteral("Compliance findings to review"));
        QCOMPARE(heard().count({QStringLiteral("notificationLabel"), QAccessible::DescriptionChanged, -1}), 1);
        w.h.deliver(agentMessage(0, signedIn));
        QCOMPARE(row->text(QAccessible::Description), QString());
    }

    // With every row there, Tab goes down the page as it reads: the title bar, the rows of each section in turn, the
    // sign-out bar at the bottom; the arrows beside the rows are no stops of their own.
    void tabGoesDownThePage()
    {
        Window w(QStringLiteral("kivora"),
                 QList<QPair<QString, QJsonValue>>(signedIn)
                     << qMakePair(QStringLiteral("agentinfo.features.secconn.status"), QJsonValue(2))
                     << qMakePair(QStringLiteral("agentinfo.features.secconn.pag.name"), QJsonValue("Oslo"))
                     << qMakePair(QStringLiteral("agentinfo.features.secconn.pag.tryme"),
                                  QJsonValue("https://tryme.example/"))
                     << qMakePair(QStringLiteral("agentinfo.features.config.user_id_method"), QJsonValue(1)));
        QVERIFY(QTest::qWaitForWindowExposed(w.h.window.get()));
        const QStringList order{"backButton",        "pagNameLabel",  "tryMeLink",          "notificationLabel",
                                "peerListLabel",     "feedBackLabel", "supportReportLabel", "tosLink",
                                "privacyPolicyLink", "eulaLink",      "deactivateButton",   "signOutButton"};
        w.row(order.first())->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int step = 0; step <= order.size(); ++step) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, QStringList(order) << order.first());
        // The gateway row reads as one: its caption, with the gateway in use as its description.
        QCOMPARE(accessible(w.row(QStringLiteral("pagNameLabel")))->text(QAccessible::Description),
                 QStringLiteral("Oslo"));
    }

    // A sub-screen opens with the keyboard in its first field, or on Back where it has none. Back on the settings
    // page, the keyboard is at the row the sub-screen was opened from, also when a screen reader pressed the row
    // without moving the focus there.
    void backReturnsToTheRow_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("page");
        QTest::addColumn<QJsonObject>("listing");
        QTest::addColumn<QString>("entry");
        QTest::newRow("feedback") << "feedBackLabel" << int(Settings::FeedbackPage) << QJsonObject() << "feedBackTitle";
        QTest::newRow("gateways") << "pagNameLabel" << int(Settings::PagSelectionPage) << gatewayListing()
                                  << "backButton";
        QTest::newRow("findings") << "notificationLabel" << int(Settings::NotificationPage) << findingsListing()
                                  << "backButton";
        QTest::newRow("peers") << "peerListLabel" << int(Settings::PeerDevicesPage) << peersListing() << "backButton";
    }
    void backReturnsToTheRow()
    {
        QFETCH(QString, caption);
        QFETCH(int, page);
        QFETCH(QJsonObject, listing);
        QFETCH(QString, entry);
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(w.h.window.get()));
        QAccessibleInterface* pageBack = accessible(w.row(QStringLiteral("backButton")));
        pageBack->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QVERIFY(pageBack->state().focused);
        QAccessibleInterface* row = accessible(w.row(caption));
        QVERIFY(w.open(caption, page, listing));
        QVERIFY(accessible(w.stack()->widget(page)->findChild<QWidget*>(entry))->state().focused);
        // The row a listing makes current is not told as focused while the keyboard is elsewhere: a screen reader
        // would take the user's place to be there.
        for (const Heard& event : qAsConst(heard()))
            QVERIFY2(event.type != QAccessible::Focus || event.child < 0,
                     qPrintable(QStringLiteral("focus told for row %1 of %2").arg(event.child).arg(event.objectName)));
        QAccessibleInterface* back =
            accessible(w.stack()->widget(page)->findChild<QWidget*>(QStringLiteral("backButton")));

        back->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(w.subScreen(), int(Settings::ListPage));
        QVERIFY(row->state().focused);
    }
};

QTEST_MAIN(TestSettingsAccessibility)
#include "test_settings_accessibility.moc"
