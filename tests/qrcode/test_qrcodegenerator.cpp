#include "enrollment/qrcodegenerator.h"
#include "tests/qrcode/zbardecode.h"

#include <QTest>

using Ecc = qrcodegen::QrCode::Ecc;

namespace {
// Lower-case letters keep the encoder in byte mode, whose capacity at medium correction is 2331 bytes.
QString lowerCaseText(int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(u'a' + (i * 7) % 26);
    return text;
}
} // namespace

class TestQrCodeGenerator : public QObject
{
    Q_OBJECT
private slots:
    void imageScansBackToTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::newRow("short ASCII at the screen's size") << QStringLiteral("ACT-7Q2-90ZK") << 258;
        QTest::newRow("non-Latin UTF-8 at the screen's size")
            << QStringLiteral("Служба · サービス · 服务 · ✓") << 258;
        QTest::newRow("embedded NUL is not cut off") << QString::fromUtf8("svc\0tail", 8) << 258;
        // Version 40 is 177 modules plus the quiet zone: 3 pixels a module.
        QTest::newRow("largest byte payload at medium") << lowerCaseText(2331) << 181 * 3;
        QTest::newRow("x4") << lowerCaseText(2331) << 181 * 4;
        QTest::newRow("x5") << lowerCaseText(2331) << 181 * 5;
        QTest::newRow("x8") << lowerCaseText(2331) << 181 * 8;
        QTest::newRow("1000 x3") << lowerCaseText(1000) << 600;
        QTest::newRow("1500 x3") << lowerCaseText(1500) << 600;
        QTest::newRow("2000 x3") << lowerCaseText(2000) << 600;
        QTest::newRow("2200 x4") << lowerCaseText(2200) << 800;
    }
    void imageScansBackToTheText()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        const QImage image = QrCodeGenerator().toImage(text, quint16(size), 2, Ecc::MEDIUM);
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(image.format(), QImage::Format_Mono);
        image.save(QStringLiteral("/tmp/qrexp/%1.png").arg(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_')));
        QCOMPARE(decodeQrCodes(image), QList<QByteArray>{text.toUtf8()});
    }

    void quietZoneStaysWhite()
    {
        // Version 1 with border 2 spans 25 modules, so the outer 2 / 25 of each side belong to the quiet zone.
        const QImage image = QrCodeGenerator().toImage(QStringLiteral("A"), 250, 2, Ecc::MEDIUM);
        const QRgb white = qRgb(255, 255, 255);
        for (int i = 0; i < 250; i += 7) {
            QCOMPARE(image.pixel(i, 5), white);
            QCOMPARE(image.pixel(5, i), white);
            QCOMPARE(image.pixel(i, 244), white);
            QCOMPARE(image.pixel(244, i), white);
        }
        // The corner module of the top-left finder pattern is dark.
        QCOMPARE(image.pixel(25, 25), qRgb(0, 0, 0));
    }

    void emptyTextIsTheSmallestSymbol()
    {
        const QImage image = QrCodeGenerator().toImage(QString(), 100, 2, Ecc::MEDIUM);
        QCOMPARE(image.size(), QSize(100, 100));
        QCOMPARE(qrcodegen::QrCode::encodeText("", Ecc::MEDIUM).getSize(), 21);
    }

    void textTooLongForTheLevelGivesNoImage()
    {
        QrCodeGenerator generator;
        QVERIFY(generator.canEncode(lowerCaseText(2331), Ecc::MEDIUM));
        QVERIFY(!generator.canEncode(lowerCaseText(2332), Ecc::MEDIUM));
        QVERIFY(generator.toImage(lowerCaseText(2332), 258, 2, Ecc::MEDIUM).isNull());
        QVERIFY(!generator.toImage(lowerCaseText(2332), 258, 2, Ecc::LOW).isNull());
    }

    void svgText_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<QString>("viewBox");
        QTest::addColumn<QString>("firstRow");
        QTest::newRow("border 2") << 2 << QStringLiteral("0 0 25 25")
                                  << QStringLiteral("M2,2h1v1h-1z M3,2h1v1h-1z M4,2h1v1h-1z M5,2h1v1h-1z "
                                                    "M6,2h1v1h-1z M7,2h1v1h-1z M8,2h1v1h-1z ");
        QTest::newRow("no border") << 0 << QStringLiteral("0 0 21 21")
                                   << QStringLiteral("M0,0h1v1h-1z M1,0h1v1h-1z M2,0h1v1h-1z M3,0h1v1h-1z "
                                                     "M4,0h1v1h-1z M5,0h1v1h-1z M6,0h1v1h-1z ");
    }
    void svgText()
    {
        QFETCH(int, border);
        QFETCH(QString, viewBox);
        QFETCH(QString, firstRow);
        const qrcodegen::QrCode symbol = qrcodegen::QrCode::encodeText("HELLO", Ecc::MEDIUM);
        QCOMPARE(symbol.getSize(), 21);

        const QStringList lines = QrCodeGenerator().toSvgText(symbol, quint16(border)).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.last(), QString());
        QCOMPARE(lines[0], QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
        QCOMPARE(lines[1], QStringLiteral("<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
                                          "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">"));
        QCOMPARE(lines[2], QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"%1\" "
                                          "stroke=\"none\">")
                               .arg(viewBox));
        QCOMPARE(lines[3], QStringLiteral("\t<rect width=\"100%\" height=\"100%\" fill=\"#FFFFFF\"/>"));
        QCOMPARE(lines[5], QStringLiteral("</svg>"));

        const QString pathLine = lines[4];
        const QString head = QStringLiteral("\t<path d=\"");
        const QString tail = QStringLiteral("\" fill=\"#000000\"/>");
        QVERIFY(pathLine.startsWith(head));
        QVERIFY(pathLine.endsWith(tail));
        const QString path = pathLine.mid(head.size(), pathLine.size() - head.size() - tail.size());
        QVERIFY2(path.startsWith(firstRow), qPrintable(path.left(200)));
        int darkModules = 0;
        for (int y = 0; y < 21; ++y)
            for (int x = 0; x < 21; ++x)
                darkModules += symbol.getModule(x, y) ? 1 : 0;
        QCOMPARE(path.count(QStringLiteral("h1v1h-1z")), darkModules);
        QCOMPARE(path.count(QLatin1Char(' ')), darkModules - 1);
    }
};

QTEST_MAIN(TestQrCodeGenerator)
#include "test_qrcodegenerator.moc"
