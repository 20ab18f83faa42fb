#include "app/modaldialog.h"
#include "app/startup.h"
#include "settings/pagselection.h"
#include "tests/settings/subscreentestkit.h"
#include "tests/support/metatypes.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>

Q_DECLARE_METATYPE(PagEntry)

namespace {

PagEntry gateway(const QString& id, const QString& name, const QString& city = QStringLiteral("Paris"),
                 const QString& country = QStringLiteral("FR"), int status = 1)
{
    PagEntry entry;
    entry.id = id;
    entry.type = 1;
    entry.name = name;
    entry.city = city;
    entry.country = country;
    entry.status = status;
    return entry;
}

Response listing(const QList<PagEntry>& pags)
{
    Response response;
    response.pags = pags;
    return response;
}

BrandProfile edition(const char* code)
{
    BrandProfile profile = brand();
    profile.editionCode = QLatin1String(code);
    return profile;
}

QListView* pagList(const PagSelection& screen)
{
    return listOf(&screen, "pag list");
}

int checkedRow(const PagSelection& screen)
{
    const QModelIndexList checked = pagList(screen)->selectionModel()->selectedIndexes();
    return checked.size() == 1 ? checked.first().row() : -1;
}

bool applyEnabled(const PagSelection& screen)
{
    return child<QPushButton>(&screen, "applyButton")->isEnabled();
}

} // namespace

class TestPagSelection : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initVexaResources();
        registerRecordMetaTypes();
    }

    void rowTextsByEdition_data()
    {
        QTest::addColumn<QString>("edition");
        QTest::addColumn<PagEntry>("entry");
        QTest::addColumn<QString>("text"); // empty: the entry gets no row
        QTest::addColumn<QString>("detail");

        // Named by its place, a gateway also shows the agent's name for it, as the settings page names it.
        PagEntry paris = gateway("p", "Paris gateway");
        paris.location = QStringLiteral("Rue de Rivoli");
        paris.replicaNumber = 2;
        QTest::newRow("zq: city, replica and country") << "zq" << paris << "Paris 2, FR"
                                                       << "Paris gateway";
        paris.replicaNumber = 0;
        QTest::newRow("zq: replica 0 left out") << "zq" << paris << "Paris, FR"
                                                << "Paris gateway";
        QTest::newRow("zq: the name is the place") << "zq" << gateway("s", "Paris, FR") << "Paris, FR"
                                                   << "";
        // "Frankfurt 1, DE" over "Frankfurt 1" would say the city twice, to the eye and to a screen reader.
        PagEntry frankfurt = gateway("f", "frankfurt 1", "Frankfurt", "DE");
        frankfurt.replicaNumber = 1;
        QTest::newRow("zq: the name is the city and replica") << "zq" << frankfurt << "Frankfurt 1, DE"
                                                              << "";
        QTest::newRow("zq: the name is the city") << "zq" << gateway("s", "Paris") << "Paris, FR"
                                                  << "";
        QTest::newRow("zq: agent name stays text") << "zq" << gateway("t", "<i>Paris</i>") << "Paris, FR"
                                                   << "<i>Paris</i>";
        PagEntry cityOnly = gateway("c", "Edge", "Lyon", "");
        cityOnly.location = QStringLiteral("Part-Dieu");
        QTest::newRow("zq: no country, the name and location") << "zq" << cityOnly << "Edge"
                                                               << "Part-Dieu";
        QTest::newRow("zq: empty name with a place") << "zq" << gateway("n", "") << "Paris, FR"
                                                     << "";
        QTest::newRow("other: the name and location") << "dv" << paris << "Paris gateway"
                                                      << "Rue de Rivoli";
        QTest::newRow("other: empty name skipped") << "dv" << gateway("n", "") << ""
                                                   << "";
        QTest::newRow("other: no place skipped") << "dv" << gateway("h", "HQ", "", "") << ""
                                                 << "";
        QTest::newRow("zq: no place skipped") << "zq" << gateway("h", "HQ", "", "") << ""
                                              << "";
        QTest::newRow("vr: no place kept") << "vr" << gateway("h", "HQ", "", "") << "HQ"
                                           << "";
        QTest::newRow("agent text stays text") << "dv" << gateway("b", "<b>Bold</b>") << "<b>Bold</b>"
                                               << "";
    }
    void rowTextsByEdition()
    {
        QFETCH(QString, edition);
        QFETCH(PagEntry, entry);
        QFETCH(QString, text);
        QFETCH(QString, detail);
        ScopedBrandProfile scope(::edition(edition.toLatin1().constData()));
        AgentLink agent;
        PagSelection screen;

        screen.listPags(listing({entry}), PAG(), QString());

        if (text.isEmpty()) {
            QCOMPARE(pagList(screen)->model()->rowCount(), 0);
            QCOMPARE(informationShown(&screen, "pag list"), QStringLiteral("No gateways available"));
            return;
        }
        QCOMPARE(rowTexts(pagList(screen)), QStringList{text});
        QCOMPARE(rowTexts(pagList(screen), PagSelection::DetailRole), QStringList{detail});
        QVERIFY(informationShown(&screen, "pag list").isEmpty());
    }

    // A gateway out of service is paler and says so in words, and it cannot be chosen. The one in use says so too.
    void rowsByStatus_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("inService");
        QTest::addColumn<bool>("inUse");
        QTest::addColumn<QString>("said");
        QTest::newRow("in service") << 1 << true << false << "";
        QTest::newRow("in service, in use") << 1 << true << true << "In use";
        QTest::newRow("out of service") << 0 << false << false << "Out of service";
        QTest::newRow("out of service, in use") << 0 << false << true << "Out of service";
        QTest::newRow("any other status") << 2 << false << false << "Out of service";
    }
    void rowsByStatus()
    {
        QFETCH(int, status);
        QFETCH(bool, inService);
        QFETCH(bool, inUse);
        QFETCH(QString, said);
        ScopedBrandProfile scope(edition("dv"));
        AgentLink agent;
        PagSelection screen;
        PagEntry entry = gateway("g", "Gateway", "Oslo", "NO", status);
        entry.location = QStringLiteral("Fjord");
        screen.listPags(listing({entry}), inUse ? PAG{QStringLiteral("g"), entry.type} : PAG(), QString());

        const QModelIndex row = pagList(screen)->model()->index(0, 0);
        const QColor secondary(brand().secondaryColor);
        QCOMPARE(row.data(Qt::ForegroundRole).value<QColor>(), inService ? QColor(brand().primaryColor) : secondary);
        QCOMPARE(row.data(PagSelection::DetailColorRole).value<QColor>(), inService ? QColor(Qt::black) : secondary);
        QCOMPARE(row.data(PagSelection::ServiceRole).toString(), said);
        QCOMPARE(row.data(Qt::AccessibleTextRole).toString(), QStringLiteral("Gateway, Fjord"));
        QCOMPARE(row.data(Qt::AccessibleDescriptionRole).toString(), said);
        QCOMPARE(bool(row.flags() & Qt::ItemIsEnabled), inService);
        QCOMPARE(bool(row.flags() & Qt::ItemIsSelectable), inService);
    }

    // Neither a click nor the arrow keys check a gateway out of service; the current one out of service is shown
    // unchecked, and any other can be applied.
    void outOfServiceCannotBeChosen()
    {
        AgentLink agent;
        PagSelection screen;
        showAsInSettings(&screen);
        QApplication::setActiveWindow(&screen);
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        screen.listPags(
            listing({gateway("a", "A"), gateway("b", "B", "Rome", "IT", 0), gateway("c", "C", "Oslo", "NO")}),
            PAG{QStringLiteral("a"), 1}, QString());
        QListView* view = pagList(screen);
        clickRow(view, 1);
        QCOMPARE(checkedRow(screen), 0);
        QVERIFY(!applyEnabled(screen));

        view->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(checkedRow(screen), 2);
        QVERIFY(applyEnabled(screen));
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(checkedRow(screen), 0);

        screen.listPags(listing({gateway("a", "A", "Paris", "FR", 0), gateway("c", "C", "Oslo", "NO")}),
                        PAG{QStringLiteral("a"), 1}, QString());
        QCOMPARE(checkedRow(screen), -1);
        QVERIFY(!applyEnabled(screen));
        clickRow(view, 1);
        QVERIFY(applyEnabled(screen));
    }

    void checkingEnablesApplyOnlyForAnotherGateway()
    {
        AgentLink agent;
        PagSelection screen;
        showAsInSettings(&screen);
        screen.listPags(listing({gateway("a", "A"), gateway("b", "B", "Rome", "IT"), gateway("c", "C", "Oslo", "NO")}),
                        PAG{QStringLiteral("b"), 1}, QString());
        QCOMPARE(checkedRow(screen), 1);
        QVERIFY(!applyEnabled(screen));

        clickRow(pagList(screen), 2);
        QCOMPARE(checkedRow(screen), 2);
        QVERIFY(applyEnabled(screen));
        // A checked row stays checked, as a radio button does.
        clickRow(pagList(screen), 2, Qt::ControlModifier);
        QCOMPARE(checkedRow(screen), 2);
        clickRow(pagList(screen), 1);
        QVERIFY(!applyEnabled(screen));
    }

    void preferredGatewayNotListed()
    {
        AgentLink agent;
        PagSelection screen;
        showAsInSettings(&screen);
        PagEntry noId = gateway("", "No id");
        screen.listPags(listing({noId, gateway("a", "A")}), PAG{QStringLiteral("gone"), 1}, QString());
        QCOMPARE(checkedRow(screen), -1);
        QVERIFY(!applyEnabled(screen));
        clickRow(pagList(screen), 1);
        QVERIFY(applyEnabled(screen));

        // No preference at all does not check the gateway that lacks an id.
        screen.listPags(listing({noId, gateway("a", "A")}), PAG(), QString());
        QCOMPARE(checkedRow(screen), -1);
    }

    // Apply sends the checked gateway and leaves the list in place until the agent answers: a refusal is told under
    // the list, to choose again; an accepted choice leads home.
    void applySendsTheCheckedGatewayOnce_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::newRow("refused") << false;
        QTest::newRow("accepted") << true;
    }
    void applySendsTheCheckedGatewayOnce()
    {
        QFETCH(bool, accepted);
        AgentLink agent;
        PagSelection screen;
        showAsInSettings(&screen);
        QSignalSpy home(&screen, &PagSelection::goMainWin);
        PagEntry first = gateway("dup", "First");
        PagEntry second = gateway("dup", "Second", "Rome", "IT");
        second.type = 2;
        screen.listPags(listing({gateway("cur", "Current"), first, second}), PAG{QStringLiteral("cur"), 1}, QString());

        clickRow(pagList(screen), 2);
        child<QPushButton>(&screen, "applyButton")->click();

        QCOMPARE(agent.nextRequest(), QByteArray("{\"pag_preference\":{\"id\":\"dup\",\"type\":2},\"type\":11}\n"));
        QVERIFY(agent.nextRequest().isEmpty());
        QCOMPARE(home.size(), 0);
        QCOMPARE(pagList(screen)->model()->rowCount(), 3);
        auto* status = child<QLabel>(&screen, "statusMessage");
        QVERIFY(status->isHidden());

        if (accepted) {
            screen.choiceAccepted();
            QCOMPARE(home.size(), 1);
            QVERIFY(pagList(screen)->model()->rowCount() == 0 && child(&screen, "listArea")->isHidden());
            return;
        }
        screen.showChoiceFailure(QStringLiteral("<b>refused</b>"));
        QVERIFY(status->isVisible());
        QCOMPARE(status->text(), QStringLiteral("<b>refused</b>"));
        QCOMPARE(status->textFormat(), Qt::PlainText);
        QCOMPARE(checkedRow(screen), 2);
        QVERIFY(applyEnabled(screen));
        // Another try takes the last reason away; a new list or leaving does too.
        child<QPushButton>(&screen, "applyButton")->click();
        QVERIFY(status->isHidden());
        screen.showChoiceFailure(QStringLiteral("refused"));
        child<QPushButton>(&screen, "cancelButton")->click();
        QVERIFY(status->isHidden());
        QCOMPARE(home.size(), 0);
    }

    // Switching while Secure Access is connected drops the tunnel: that is asked first, with No as the default.
    void switchingWhileConnectedIsAsked_data()
    {
        QTest::addColumn<bool>("tunnelUp");
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("sent");
        QTest::newRow("not connected") << false << "" << false << true;
        QTest::newRow("connected, yes") << true << "Yes" << true << true;
        QTest::newRow("connected, no") << true << "No" << true << false;
        QTest::newRow("connected, closed") << true << "" << true << false;
    }
    void switchingWhileConnectedIsAsked()
    {
        QFETCH(bool, tunnelUp);
        QFETCH(QString, press);
        QFETCH(bool, asked);
        QFETCH(bool, sent);
        AgentLink agent;
        PagSelection screen;
        showAsInSettings(&screen);
        screen.setTunnelUp(tunnelUp);
        screen.listPags(listing({gateway("cur", "Current"), gateway("osl", "Oslo", "Oslo", "NO")}),
                        PAG{QStringLiteral("cur"), 1}, QString());
        QStringList questions;
        QList<int> defaults;
        ModalDialog::setAnswerer([&](QDialog& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            questions << box.text();
            defaults << box.standardButton(box.defaultButton());
            QAbstractButton* chosen = buttonNamed(box, press);
            return int(chosen ? box.standardButton(chosen) : QMessageBox::Escape);
        });
        clickRow(pagList(screen), 1);
        child<QPushButton>(&screen, "applyButton")->click();
        ModalDialog::setAnswerer({});
        QCOMPARE(questions.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(questions.first(), QStringLiteral("Secure Access disconnects while it switches to the chosen "
                                                       "gateway. Switch now?"));
            QCOMPARE(defaults.first(), int(QMessageBox::No));
        }
        QCOMPARE(agent.nextRequest(),
                 sent ? QByteArray("{\"pag_preference\":{\"id\":\"osl\",\"type\":1},\"type\":11}\n") : QByteArray());
        QCOMPARE(checkedRow(screen), 1);
    }

    void informationInsteadOfRows_data()
    {
        QTest::addColumn<bool>("withGateways");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty list") << false << ""
                                    << "No gateways available";
        QTest::newRow("error without list") << false << "Listing the preferred access gateways failed"
                                            << "Listing the preferred access gateways failed";
        QTest::newRow("error wins over a list") << true << "<i>failure</i>"
                                                << "<i>failure</i>";
    }
    void informationInsteadOfRows()
    {
        QFETCH(bool, withGateways);
        QFETCH(QString, error);
        QFETCH(QString, shown);
        AgentLink agent;
        PagSelection screen;
        const QList<PagEntry> pags = withGateways ? QList<PagEntry>{gateway("a", "A")} : QList<PagEntry>();
        screen.listPags(listing(pags), PAG(), error);
        QCOMPARE(informationShown(&screen, "pag list"), shown);
        QCOMPARE(infoLabel(&screen)->textFormat(), Qt::PlainText);
        QCOMPARE(pagList(screen)->model()->rowCount(), 0);
        QVERIFY(!applyEnabled(screen));
    }

    void leavingEmptiesTheList_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("back") << "backButton";
        QTest::newRow("cancel") << "cancelButton";
    }
    void leavingEmptiesTheList()
    {
        QFETCH(QString, button);
        AgentLink agent;
        PagSelection screen;
        QSignalSpy settings(&screen, &PagSelection::goSettings);
        QSignalSpy spinner(&screen, &PagSelection::stopSpinner);
        screen.listPags(listing({gateway("a", "A")}), PAG{QStringLiteral("a"), 1}, QString());

        child<QPushButton>(&screen, button.toLatin1().constData())->click();

        QCOMPARE(settings.size(), 1);
        QCOMPARE(spinner.size(), 1);
        QCOMPARE(pagList(screen)->model()->rowCount(), 0);
        QVERIFY(child(&screen, "listArea")->isHidden());
        QVERIFY(agent.nextRequest().isEmpty());
        QCOMPARE(child<QLabel>(&screen, "titleLabel")->text(), QStringLiteral("Preferred Gateway"));
    }
};

QTEST_MAIN(TestPagSelection)
#include "test_pagselection.moc"
