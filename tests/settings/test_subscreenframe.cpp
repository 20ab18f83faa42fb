#include "settings/subscreenframe.h"

#include <QApplication>
#include <QTest>

class TestSubScreenFrame : public QObject
{
    Q_OBJECT
private slots:
    void wrappedLines_data();
    void wrappedLines();
};

// Widths in multiples of one "x", so the cases hold for whatever font the platform picks.
void TestSubScreenFrame::wrappedLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("widthInChars");
    QTest::addColumn<int>("lines");

    QTest::newRow("empty takes no room") << "" << 10 << 0;
    QTest::newRow("fits") << "xxxx xxxx" << 10 << 1;
    QTest::newRow("wraps at the blank") << "xxxx xxxx" << 6 << 2;
    QTest::newRow("each word its line") << "xxx xxx xxx" << 4 << 3;
    QTest::newRow("line breaks") << "xx\nxx" << 10 << 2;
    QTest::newRow("a final line break adds an empty line") << "xx\nxx\n" << 10 << 3;
    QTest::newRow("a word wider than the row is cut") << QString(20, QLatin1Char('x')) << 5 << 4;
    QTest::newRow("breaks after a hyphen") << "xxxx-xxxx" << 6 << 2;
    QTest::newRow("breaks after a slash") << "xxx/xxx/xxx" << 8 << 2;
    QTest::newRow("a hyphen before a blank is no extra break") << "xx- xx" << 10 << 1;
    QTest::newRow("leading blanks stay on the first line") << "   xxx" << 6 << 1;
}

void TestSubScreenFrame::wrappedLines()
{
    QFETCH(QString, text);
    QFETCH(int, widthInChars);
    QFETCH(int, lines);
    const RowText rowText(QApplication::font());
    const QFontMetrics metrics(QApplication::font());
    const int x = metrics.horizontalAdvance(QLatin1Char('x'));
    if (metrics.horizontalAdvance(QLatin1Char(' ')) > x)
        QSKIP("the cases assume a blank no wider than an x");
    const int height = rowText.height(text, widthInChars * x + x / 2);
    QCOMPARE(height, lines ? (lines - 1) * rowText.lineHeight() + metrics.height() : 0);
}

QTEST_MAIN(TestSubScreenFrame)
#include "test_subscreenframe.moc"
