#include "app/waitingspinnerwidget.h"

#include <QTest>
#include <QTimer>

class TestSpinner : public QObject
{
    Q_OBJECT
private slots:
    void geometryAndTiming()
    {
        QWidget parent;
        parent.resize(376, 699);
        WaitingSpinnerWidget spinner(&parent, true, false);
        QCOMPARE(spinner.size(), QSize(40, 40));
        QVERIFY(spinner.isHidden());
        QCOMPARE(spinner.findChild<QTimer*>()->interval(), 31);
        spinner.start();
        QCOMPARE(spinner.pos(), QPoint(168, 329));
        // Every paint re-centres it on a parent that changed size.
        parent.resize(200, 100);
        spinner.grab();
        QCOMPARE(spinner.pos(), QPoint(80, 30));
    }

    void trailFadesBehindTheHead_data()
    {
        QTest::addColumn<int>("counter");
        QTest::addColumn<int>("line");
        QTest::addColumn<double>("alpha");
        const double faintest = 3.141592653589793 / 100.0;
        QTest::newRow("head") << 0 << 0 << 1.0;
        QTest::newRow("one behind") << 1 << 0 << 1.0 - (1.0 - faintest) / 17.0;
        QTest::newRow("line ahead of the head wraps to the tail") << 0 << 1 << faintest;
        QTest::newRow("at the threshold") << 16 << 0 << 1.0 - 16.0 * (1.0 - faintest) / 17.0;
        QTest::newRow("past the threshold") << 17 << 0 << faintest;
    }
    void trailFadesBehindTheHead()
    {
        QFETCH(int, counter);
        QFETCH(int, line);
        QFETCH(double, alpha);
        WaitingSpinnerWidget spinner(nullptr, false, false);
        spinner.setColor(QColor(0x46, 0x98, 0xCB));
        auto* timer = spinner.findChild<QTimer*>();
        spinner.start();
        for (int i = 0; i < counter; ++i)
            QMetaObject::invokeMethod(&spinner, "rotate");
        QCOMPARE(spinner.currentCounter(), counter);
        QVERIFY(qAbs(spinner.lineColorAt(line).alphaF() - alpha) < 0.005);
        QCOMPARE(spinner.lineColorAt(line).rgb() & 0xFFFFFF, QColor(0x46, 0x98, 0xCB).rgb() & 0xFFFFFF);
        spinner.stop();
        QVERIFY(!timer->isActive());
        QCOMPARE(spinner.currentCounter(), 0);
    }

    // A wait left over a page that is not showing, or in a window hidden in the tray, must not wake the program
    // thirty times a second; it turns again, where it was, once it is on screen.
    void turnsOnlyWhileOnScreen()
    {
        QWidget window;
        window.resize(376, 699);
        auto* page = new QWidget(&window);
        page->hide();
        window.show();
        WaitingSpinnerWidget spinner(page, true, true);
        auto* timer = spinner.findChild<QTimer*>();
        spinner.start();
        QVERIFY(spinner.isSpinning());
        QVERIFY(!timer->isActive());
        QVERIFY(!page->isEnabled());

        page->show();
        QVERIFY(timer->isActive());
        QMetaObject::invokeMethod(&spinner, "rotate");
        window.hide();
        QVERIFY(!timer->isActive());
        QVERIFY(spinner.isSpinning());
        window.show();
        QVERIFY(timer->isActive());
        QCOMPARE(spinner.currentCounter(), 1);

        spinner.stop();
        QVERIFY(!timer->isActive());
        QCOMPARE(spinner.currentCounter(), 0);
        window.hide();
        window.show();
        QVERIFY(!timer->isActive());
    }

    void disablesParentOnlyWhenAsked_data()
    {
        QTest::addColumn<bool>("disable");
        QTest::newRow("disable") << true;
        QTest::newRow("keep usable") << false;
    }
    void disablesParentOnlyWhenAsked()
    {
        QFETCH(bool, disable);
        QWidget parent;
        WaitingSpinnerWidget spinner(&parent, true, disable);
        spinner.start();
        QVERIFY(spinner.isSpinning());
        QCOMPARE(parent.isEnabled(), !disable);
        spinner.stop();
        QVERIFY(parent.isEnabled());
        QVERIFY(spinner.isHidden());
    }
};

QTEST_MAIN(TestSpinner)
#include "test_spinner.moc"
