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
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("pixels");
        QTest::newRow("short ASCII at the screen's size") << QStringLiteral("ACT-7Q2-90ZK") << 258 << 1.0 << 258;
        QTest::newRow("non-Latin UTF-8 at the screen's size")
            << QStringLiteral("Служба · サービス · 服务 · ✓") << 258 << 1.0 << 258;
        QTest::newRow("embedded NUL is not cut off") << QString::fromUtf8("svc\0tail", 8) << 258 << 1.0 << 258;
        // Version 40 is 177 modules plus the quiet zone: 3 pixels a module.
        QTest::newRow("largest byte payload at medium") << lowerCaseText(2331) << 181 * 3 << 1.0 << 181 * 3;
        QTest::newRow("screen's size at 2x") << QStringLiteral("ACT-7Q2-90ZK") << 258 << 2.0 << 516;
        QTest::newRow("screen's size at 1.5x") << QStringLiteral("ACT-7Q2-90ZK") << 258 << 1.5 << 387;
        QTest::newRow("largest payload at 2x, 6 pixels a module") << lowerCaseText(2331) << 181 * 3 << 2.0 << 181 * 6;
    }
    void imageScansBackToTheText()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        QFETCH(qreal, ratio);
        QFETCH(int, pixels);
        const QImage image = QrCodeGenerator().toImage(text, quint16(size), 2, Ecc::MEDIUM, ratio);
        QCOMPARE(image.size(), QSize(pixels, pixels));
        QCOMPARE(image.devicePixelRatio(), ratio);
        QCOMPARE(image.format(), QImage::Format_Mono);
        QCOMPARE(decodeQrCodes(image), QList<QByteArray>{text.toUtf8()});
    }

    void quietZoneStaysWhite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("moduleSize");
        QTest::addColumn<int>("modules");
        QTest::newRow("version 1") << QStringLiteral("A") << 10 << 21;
        QTest::newRow("version 40") << lowerCaseText(2331) << 3 << 177;
    }
    void quietZoneStaysWhite()
    {
        QFETCH(QString, text);
        QFETCH(int, moduleSize);
        QFETCH(int, modules);
        const int border = 2;
        const int size = (modules + 2 * border) * moduleSize;
        const QImage image = QrCodeGenerator().toImage(text, quint16(size), border, Ecc::MEDIUM);
        const int quiet = border * moduleSize;
        const QRgb white = qRgb(255, 255, 255);
        for (int along = 0; along < size; ++along) {
            for (int across = 0; across < quiet; ++across) {
                QCOMPARE(image.pixel(along, across), white);
                QCOMPARE(image.pixel(across, along), white);
                QCOMPARE(image.pixel(along, size - 1 - across), white);
                QCOMPARE(image.pixel(size - 1 - across, along), white);
            }
        }
        // The corner modules of the three finder patterns are dark.
        const QRgb black = qRgb(0, 0, 0);
        QCOMPARE(image.pixel(quiet + 1, quiet + 1), black);
        QCOMPARE(image.pixel(size - quiet - 2, quiet + 1), black);
        QCOMPARE(image.pixel(quiet + 1, size - quiet - 2), black);
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
