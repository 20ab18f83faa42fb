#include "settings/breakblanks.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

class TestBreakBlanks : public QObject
{
    Q_OBJECT
private slots:
    void wrapping_data();
    void wrapping();
    void surrogatePairsStayWhole();
    void measuresTheCurrentLabelFont();
};

// Widths in multiples of one "x", so the cases hold for whatever font the platform picks.
void TestBreakBlanks::wrapping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("widthInChars");
    QTest::addColumn<QString>("expected");

    QTest::newRow("narrower than the width") << "xxxx" << 10 << "xxxx";
    QTest::newRow("empty") << "" << 3 << "";
    QTest::newRow("unbroken run gets a blank per overflow") << "xxxxxxxxxx" << 3 << "xxxx xxxx xx";
    QTest::newRow("a blank of its own lets the line wrap there") << "xx xxxxx" << 4 << "xx xxxxx";
    QTest::newRow("a blank after the overflow comes too late") << "xxxxx xx" << 4 << "xxxxx  xx";
}

void TestBreakBlanks::wrapping()
{
    QFETCH(QString, text);
    QFETCH(int, widthInChars);
    QFETCH(QString, expected);
    const QFontMetrics metrics(QApplication::font("QLabel"));
    const int x = metrics.horizontalAdvance(QLatin1Char('x'));
    if (metrics.horizontalAdvance(QLatin1Char(' ')) >= x)
        QSKIP("the cases assume a blank narrower than an x");
    // Half an x over the width: a line overflows on the character after the last one that fits.
    QCOMPARE(insertBreakBlanks(text, widthInChars * x + x / 2, QApplication::font("QLabel")), expected);
}

void TestBreakBlanks::surrogatePairsStayWhole()
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x94\x92"); // one character, two UTF-16 units
    const QString wrapped = insertBreakBlanks(emoji.repeated(40), 30);
    QVERIFY(wrapped.contains(QLatin1Char(' ')));
    QCOMPARE(QString(wrapped).remove(QLatin1Char(' ')), emoji.repeated(40));
    for (const QString& piece : wrapped.split(QLatin1Char(' ')))
        QVERIFY(piece.isEmpty() || (!piece.front().isLowSurrogate() && !piece.back().isHighSurrogate()));
}

// The label font is measured once per character and remembered; a change of that font must not go unnoticed.
void TestBreakBlanks::measuresTheCurrentLabelFont()
{
    const QString text = QStringLiteral("xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx");
    const QFont original = QApplication::font("QLabel");
    const QString before = insertBreakBlanks(text, 100);
    QCOMPARE(before, insertBreakBlanks(text, 100, original));

    QFont larger = original;
    larger.setPixelSize(3 * QFontInfo(original).pixelSize());
    QApplication::setFont(larger, "QLabel");
    const QString after = insertBreakBlanks(text, 100);
    QApplication::setFont(original, "QLabel");

    QCOMPARE(after, insertBreakBlanks(text, 100, larger));
    QVERIFY(after.count(QLatin1Char(' ')) > before.count(QLatin1Char(' ')));
}

QTEST_MAIN(TestBreakBlanks)
#include "test_breakblanks.moc"
