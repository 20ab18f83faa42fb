// Cutting a byte stream into lines, whatever the segment boundaries, with a bound on the line length.

#include "linebuffer.h"

#include <QTest>

using agentsim::LineBuffer;

class TestLineBuffer : public QObject
{
    Q_OBJECT

private slots:
    void cutsLines_data();
    void cutsLines();
};

void TestLineBuffer::cutsLines_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<int>("overlong");
    QTest::addColumn<int>("pending");

    using L = QList<QByteArray>;
    QTest::newRow("one line") << L{"{\"a\":3}\n"} << L{"{\"a\":3}"} << 0 << 0;
    QTest::newRow("two lines in one segment") << L{"a\nb\n"} << L{"a", "b"} << 0 << 0;
    QTest::newRow("split across segments") << L{"ab", "c\nd", "e\n"} << L{"abc", "de"} << 0 << 0;
    QTest::newRow("CRLF split between CR and LF") << L{"ab\r", "\n"} << L{"ab"} << 0 << 0;
    QTest::newRow("no line break yet") << L{"abc"} << L{} << 0 << 3;
    QTest::newRow("empty lines kept") << L{"\n\n"} << L{"", ""} << 0 << 0;
    QTest::newRow("exactly the limit") << L{"12345678\n"} << L{"12345678"} << 0 << 0;
    QTest::newRow("too long, whole") << L{"123456789\nok\n"} << L{"ok"} << 1 << 0;
    QTest::newRow("too long, growing over segments") << L{"12345", "6789", "abc\nok\n"} << L{"ok"} << 1 << 0;
    QTest::newRow("too long, still arriving") << L{"123456789", "more"} << L{} << 1 << 0;
}

void TestLineBuffer::cutsLines()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<QByteArray>, lines);
    QFETCH(int, overlong);
    QFETCH(int, pending);

    LineBuffer buffer(8);
    QList<QByteArray> got;
    int dropped = 0;
    for (const QByteArray& chunk : chunks) {
        const LineBuffer::Result result = buffer.feed(chunk);
        got += result.lines;
        dropped += result.overlong;
    }
    QCOMPARE(got, lines);
    QCOMPARE(dropped, overlong);
    QCOMPARE(int(buffer.pendingBytes()), pending);
}

QTEST_GUILESS_MAIN(TestLineBuffer)
#include "tst_linebuffer.moc"
