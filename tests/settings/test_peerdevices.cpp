#include "app/startup.h"
#include "settings/peerdevices.h"
#include "tests/settings/subscreentestkit.h"
#include "tests/support/mainwindowharness.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

namespace {

Response peers(const QList<PeerEntry>& list)
{
    Response response;
    response.peers = list;
    return response;
}

QListView* peerList(const PeerDevices& screen)
{
    return listOf(&screen, "peer list");
}

// The copy button sits at the right end of its row, clear of the scroll bar.
void clickCopy(const PeerDevices& screen, int row)
{
    QListView* view = peerList(screen);
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    const int right = view->width() - view->verticalScrollBar()->sizeHint().width() - 9;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(right - 12, rect.center().y()));
}

QString clipboard()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

} // namespace

class TestPeerDevices : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initVexaResources(); }
    void init() { QGuiApplication::clipboard()->setText(QStringLiteral("before"), QClipboard::Clipboard); }

    void rowsShowAndCopyTrimmedTexts()
    {
        PeerDevices screen;
        showAsInSettings(&screen);
        screen.listPeers(peers({{"  laptop-7.acme  ", " DESKTOP-7\t", "  10.0.0.7 "}, {"<b>x</b>", "", "10.0.0.8"}}),
                         QString());
        QListView* view = peerList(screen);
        QCOMPARE(rowTexts(view), QStringList({"laptop-7.acme", "<b>x</b>"}));
        QCOMPARE(rowTexts(view, PeerDevices::DeviceNameRole), QStringList({"DESKTOP-7", ""}));
        QCOMPARE(rowTexts(view, PeerDevices::AddressRole), QStringList({"10.0.0.7", "10.0.0.8"}));

        clickRow(view, 0); // on the names: nothing is copied
        QCOMPARE(clipboard(), QStringLiteral("before"));
        clickCopy(screen, 0);
        QCOMPARE(clipboard(), QStringLiteral("10.0.0.7"));
    }

    void eachButtonCopiesItsOwnPeer()
    {
        PeerDevices screen;
        showAsInSettings(&screen);
        screen.listPeers(peers({{"a", "A", "10.0.0.1"}, {"b", "B", "10.0.0.2"}, {"c", "C", "10.0.0.3"}}), QString());
        screen.listPeers(peers({{"d", "D", "10.0.1.1"}, {"e", "E", "10.0.1.2"}}), QString());

        QCOMPARE(peerList(screen)->model()->rowCount(), 2);
        for (const auto& [row, address] : {std::pair{1, "10.0.1.2"}, std::pair{0, "10.0.1.1"}}) {
            clickCopy(screen, row);
            QCOMPARE(clipboard(), QString::fromLatin1(address));
        }
        // Nothing of the longer list is left to copy.
        screen.copyButtonClicked(2);
        QCOMPARE(clipboard(), QStringLiteral("10.0.1.1"));
    }

    // A copy is confirmed in its row for a while; a peer without an address has nothing to copy or confirm.
    void copyIsConfirmedInItsRow_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("copied"); // empty: the clipboard keeps what it held
        QTest::newRow("address") << " 10.0.0.9 "
                                 << "10.0.0.9";
        QTest::newRow("no address") << ""
                                    << "";
        QTest::newRow("blanks only") << "   "
                                     << "";
    }
    void copyIsConfirmedInItsRow()
    {
        QFETCH(QString, address);
        QFETCH(QString, copied);
        PeerDevices screen;
        showAsInSettings(&screen);
        screen.listPeers(peers({{"a", "A", "10.0.0.1"}, {"b", "B", address}}), QString());
        QListView* view = peerList(screen);

        clickCopy(screen, 1);

        QCOMPARE(clipboard(), copied.isEmpty() ? QStringLiteral("before") : copied);
        const QString confirmation = copied.isEmpty() ? QString() : QStringLiteral("Copied");
        QCOMPARE(rowTexts(view, PeerDevices::CopyConfirmationRole), QStringList({QString(), confirmation}));
        QTimer* shown = directTimer(&screen, "copyConfirmationTimer");
        QCOMPARE(shown != nullptr, !copied.isEmpty());
        if (!shown)
            return;
        QCOMPARE(shown->interval(), PeerDevices::copyConfirmationMs);
        // Copying another row moves the confirmation there, on a timer of its own.
        clickCopy(screen, 0);
        QCOMPARE(rowTexts(view, PeerDevices::CopyConfirmationRole), QStringList({QStringLiteral("Copied"), QString()}));
        QCOMPARE(fireTimers(&screen, QStringLiteral("copyConfirmationTimer")), 1);
        QCOMPARE(rowTexts(view, PeerDevices::CopyConfirmationRole), QStringList({QString(), QString()}));
        QCOMPARE(rowTexts(view, PeerDevices::AddressRole), QStringList({"10.0.0.1", copied}));
    }

    // Arrowing through the list shows which row the keyboard is on; Return copies that row's address.
    void arrowsShowTheCurrentRow()
    {
        PeerDevices screen;
        showAsInSettings(&screen);
        QApplication::setActiveWindow(&screen);
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        // Rows alike, so that only being current can tell one from another.
        screen.listPeers(peers({{"a", "A", "10.0.0.1"}, {"a", "A", "10.0.0.1"}, {"a", "A", "10.0.0.1"}}), QString());
        QListView* view = peerList(screen);
        view->setFocus(Qt::TabFocusReason);
        auto rowImage = [view](int row) {
            return view->viewport()->grab(view->visualRect(view->model()->index(row, 0))).toImage();
        };
        // Focus puts the keyboard on the first row.
        QCOMPARE(view->currentIndex().row(), 0);
        QVERIFY(rowImage(0) != rowImage(1));
        QCOMPARE(rowImage(1), rowImage(2));

        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->currentIndex().row(), 1);
        QVERIFY(rowImage(1) != rowImage(0));
        QCOMPARE(rowImage(0), rowImage(2));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(rowTexts(view, PeerDevices::CopyConfirmationRole), QStringList({QString(), "Copied", QString()}));
    }

    void informationInsteadOfPeers_data()
    {
        QTest::addColumn<bool>("withPeers");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no peers") << false << ""
                                  << "Peer list is empty";
        QTest::newRow("failure") << false << "Listing peer devices failed"
                                 << "Listing peer devices failed";
        QTest::newRow("failure wins over peers") << true << "<i>error</i>"
                                                 << "<i>error</i>";
    }
    void informationInsteadOfPeers()
    {
        QFETCH(bool, withPeers);
        QFETCH(QString, error);
        QFETCH(QString, shown);
        PeerDevices screen;
        screen.listPeers(peers({{"a", "A", "10.0.0.1"}}), QString());
        screen.listPeers(withPeers ? peers({{"b", "B", "10.0.0.2"}}) : Response(), error);
        QCOMPARE(informationShown(&screen, "peer list"), shown);
        QCOMPARE(infoLabel(&screen)->textFormat(), Qt::PlainText);
        QCOMPARE(peerList(screen)->model()->rowCount(), 0);
    }

    void backEmptiesTheList()
    {
        PeerDevices screen;
        QSignalSpy settings(&screen, &PeerDevices::goSettings);
        QSignalSpy spinner(&screen, &PeerDevices::stopSpinner);
        screen.listPeers(peers({{"a", "A", "10.0.0.1"}}), QString());
        child<QPushButton>(&screen, "backButton")->click();
        QCOMPARE(peerList(screen)->model()->rowCount(), 0);
        QCOMPARE(settings.size(), 1);
        QCOMPARE(spinner.size(), 1);
        QCOMPARE(child<QLabel>(&screen, "titleLabel")->text(), QStringLiteral("Peer Devices"));
    }
};

QTEST_MAIN(TestPeerDevices)
#include "test_peerdevices.moc"
