#include "agent/messageparser.h"
#include "app/startup.h"
#include "settings/notification.h"
#include "tests/settings/subscreentestkit.h"

#include <QSignalSpy>
#include <QTranslator>

namespace {

QListView* violationsList(const Notification& screen)
{
    return listOf(&screen, "violations list");
}

Response withItem(ViolationCategory category, const QString& condition, const QString& name)
{
    Response response;
    response.violations[int(category)].append({condition, {ViolationItem{name, QString(), {}}}});
    return response;
}

} // namespace

class TestNotification : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        fixtureListed = std::make_unique<Notification>();
        fixtureListed->listViolations(parseResponse(loadFixture("violation_listing.json")), QString());
    }
    void cleanupTestCase() { fixtureListed.reset(); }

    // Every row the fixture listing gives, in order: the category blocks in display order, groups merged and sorted
    // by condition word, headings from the title table or the condition line, item and details texts.
    void fixtureRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("details");
        const QString bullet = QStringLiteral(" \u2022  ");
        int row = 0;
        auto add = [&row](const char* why, Notification::RowKind kind, const QString& text,
                          const QString& details = QString()) {
            QTest::newRow(why) << row++ << int(kind) << text << details;
        };
        using N = Notification;
        add("managed certificates come first", N::CategoryTitle, "Device Management");
        add("title table", N::Heading, "No Client Certificate Signed by the CA Certificate(s)");
        add("certificate item", N::Item, bullet + "CN=Acme Issuing CA");
        add("programs", N::CategoryTitle, "Programs");
        add("INSTALLED sorts before NOT_INSTALLED", N::Heading, "Malicious Applications Installed");
        add("markup is text; vendor and version lines", N::Item, bullet + "<b>torrent</b>",
            "Vendor: Acme\nVersion: 2.1\n");
        add("the empty INSTALLED group is gone", N::Heading, "Mandatory Applications Not Installed");
        add("no attributes, empty details", N::Item, bullet + "EDR Sensor");
        add("processes", N::CategoryTitle, "Processes");
        add("two RUNNING groups merged", N::Heading, "Malicious Processes Running");
        add("first group's item", N::Item, bullet + "miner.exe");
        add("second group's item", N::Item, bullet + "keylog.exe");
        add("ports", N::CategoryTitle, "Ports");
        add("ports heading", N::Heading, "Risky Ports Open");
        add("port number as its name", N::Item, bullet + "3389", "Protocol: TCP\n");
        add("network interfaces", N::CategoryTitle, "Network Interfaces");
        add("no table entry for the category", N::Heading, "Condition: MATCH");
        add("interface item", N::Item, bullet + "wlan0");
        add("operating system", N::CategoryTitle, "Operating System Information");
        add("MATCH has no table entry", N::Heading, "Condition: MATCH");
        add("unexpected system; version without its caption", N::Item,
            bullet + "Unexpected operating system found: Windows 7", "6.1.7601\n");
        add("NOT_INSTALLED heading", N::Heading, "Operating System Version Mismatch");
        add("expected system", N::Item, bullet + "Expected operating system: Windows 11");
        add("hardware", N::CategoryTitle, "Hardware Information");
        add("unknown condition word", N::Heading, "Condition: BELOW");
        add("value alone, no line break after it", N::Item, bullet + "TPM", "Value: 1.2");
        add("registry", N::CategoryTitle, "Registry");
        add("registry heading", N::Heading, "Registry Key Mismatch");
        add("expected key shows its path; a second attribute starts a new line", N::Item,
            bullet + "Expected Registry entry: HKLM\\Software\\Policies\\Lock",
            "Enabled: 1\nCondition: EQUALS\nKey: Timeout");
        add("firewall", N::CategoryTitle, "Windows Firewall");
        add("firewall heading, its items not shown", N::Heading, "Windows Firewall Enabled on the System");
        add("trusted certificates", N::CategoryTitle, "Trusted Certificates");
        add("trusted heading", N::Heading, "Mandatory Certificate Not Installed");
        add("trusted item", N::Item, bullet + "CN=Acme Root CA");
        add("client certificates", N::CategoryTitle, "Client Certificate");
        add("client heading", N::Heading, "Risky Certificate Installed");
        add("client item", N::Item, bullet + "CN=Old Client");
        add("vpn", N::CategoryTitle, "VPN");
        add("vpn heading", N::Heading, "VPN Installed on the System");
        add("vendor and command", N::Item, bullet + "OtherVPN", "Vendor: Other Inc\nCommand: otherd --start\n");
        add("antivirus", N::CategoryTitle, "Windows Antivirus");
        add("not merged: the empty group keeps its heading", N::Heading, "Windows Antivirus Disabled");
        add("not merged: the second group", N::Heading, "Windows Antivirus Disabled");
        add("files", N::CategoryTitle, "Files");
        add("files heading", N::Heading, "File(s) Found on the System");
        add("a file shows its path", N::Item, bullet + "C:\\Windows\\System32\\drivers\\etc\\hosts");
        add("autorun", N::CategoryTitle, "Windows Autorun");
        add("autorun heading", N::Heading, "Windows Autorun Enabled");
        add("autorun items are shown", N::Item, bullet + "updater");
        add("smb", N::CategoryTitle, "SMB Shares");
        add("smb heading, the last row", N::Heading, "SMB Sharing Enabled");
    }
    void fixtureRows()
    {
        QFETCH(int, row);
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(QString, details);
        const QAbstractItemModel* rows = violationsList(*fixtureListed)->model();
        if (row == 0)
            QCOMPARE(rows->rowCount(), 51);
        QCOMPARE(rows->index(row, 0).data(Notification::KindRole).toInt(), kind);
        QCOMPARE(rows->index(row, 0).data().toString(), text);
        QCOMPARE(rows->index(row, 0).data(Notification::DetailsRole).toString(), details);
    }

    void informationInsteadOfBlocks_data()
    {
        QTest::addColumn<bool>("withFindings");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("shown");
        QTest::newRow("nothing found") << false << ""
                                       << "No notifications";
        QTest::newRow("failure") << false << "Getting notifications failed"
                                 << "Getting notifications failed";
        QTest::newRow("failure wins over findings") << true << "<b>failed</b>"
                                                    << "<b>failed</b>";
    }
    void informationInsteadOfBlocks()
    {
        QFETCH(bool, withFindings);
        QFETCH(QString, error);
        QFETCH(QString, shown);
        Notification screen;
        screen.listViolations(parseResponse(loadFixture("violation_listing.json")), QString());
        screen.listViolations(withFindings ? withItem(ViolationCategory::Programs, "INSTALLED", "x") : Response(),
                              error);
        QCOMPARE(informationShown(&screen, "violations list"), shown);
        QCOMPARE(infoLabel(&screen)->textFormat(), Qt::PlainText);
        QCOMPARE(violationsList(screen)->model()->rowCount(), 0);
    }

    void onlyManagedCertificates()
    {
        Notification screen;
        screen.listViolations(withItem(ViolationCategory::ManagedCertificates, "INSTALLED", "CN=x"), QString());
        QCOMPARE(rowTexts(violationsList(screen)),
                 QStringList({"Device Management", "Malicious Client Certificate Signed by the CA Certificate(s)",
                              QStringLiteral(" \u2022  CN=x")}));
    }

    // Category names and headings come from tables of English texts, and are translated only where they are shown.
    void rowsInTheUsersLanguage()
    {
        QTranslator spanish;
        QVERIFY(spanish.load(QStringLiteral(":/lang/langFiles/vexaui_es.qm")));
        QCoreApplication::installTranslator(&spanish);
        auto spanishFor = [](const char* text) {
            return QCoreApplication::translate("Notification", text);
        };
        const QStringList expected{spanishFor("Device Management"),
                                   spanishFor("Malicious Client Certificate Signed by the CA Certificate(s)"),
                                   QStringLiteral(" \u2022  CN=x")};
        Notification screen;
        screen.listViolations(withItem(ViolationCategory::ManagedCertificates, "INSTALLED", "CN=x"), QString());
        QCoreApplication::removeTranslator(&spanish);
        QVERIFY(expected.at(0) != QLatin1String("Device Management"));
        QCOMPARE(rowTexts(violationsList(screen)), expected);
    }

    void backEmptiesTheList()
    {
        Notification screen;
        QSignalSpy settings(&screen, &Notification::goSettings);
        QSignalSpy spinner(&screen, &Notification::stopSpinner);
        screen.listViolations(parseResponse(loadFixture("violation_listing.json")), QString());
        child<QPushButton>(&screen, "backButton")->click();
        QCOMPARE(violationsList(screen)->model()->rowCount(), 0);
        QVERIFY(informationShown(&screen, "violations list").isEmpty() && violationsList(screen)->isHidden());
        QCOMPARE(settings.size(), 1);
        QCOMPARE(spinner.size(), 1);
    }

    // Rows are drawn, not built as labels; what matters is that every row gets room for its texts.
    void rowsGetRoomForTheirLines()
    {
        Notification screen;
        showAsInSettings(&screen);
        Response response = withItem(ViolationCategory::Registry, "NOT_EXISTS", "k");
        response.violations[int(ViolationCategory::Registry)][0].items[0].attributes = {
            {"Acme", "1.0", "run", "TCP", "EQ", "Key", "Value"}};
        screen.listViolations(response, QString());
        QListView* view = violationsList(screen);
        const QFontMetrics metrics(view->font());
        const int item = view->visualRect(view->model()->index(2, 0)).height();
        QVERIFY2(item >= 7 * metrics.lineSpacing(), qPrintable(QString::number(item)));
    }

private:
    std::unique_ptr<Notification> fixtureListed;
};

QTEST_MAIN(TestNotification)
#include "test_notification.moc"
