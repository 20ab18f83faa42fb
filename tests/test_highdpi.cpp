#include "app/brandprofile.h"
#include "app/highdpi.h"
#include "app/startup.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QImageReader>
#include <QTest>

namespace {

QString denseSibling(const QString& path)
{
    return path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral("@2x.png");
}

QImage comparable(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage comparable(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

// Runs on a screen of device pixel ratio 2, the application built the way start-up builds it.
class TestHighDpi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initVexaResources(); }

    void scalingIsOnBeforeTheApplicationExists()
    {
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_EnableHighDpiScaling));
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_UseHighDpiPixmaps));
        QCOMPARE(QGuiApplication::highDpiScaleFactorRoundingPolicy(),
                 Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    // A picture listed without its @2x sibling would be blown up from the plain one on a dense screen.
    void everyPictureHasAnExactDoubleSizeSibling()
    {
        int pictures = 0;
        QDirIterator it(QStringLiteral(":/images"), {QStringLiteral("*.png")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.endsWith(QLatin1String("@2x.png")))
                continue;
            ++pictures;
            QVERIFY2(QFile::exists(denseSibling(path)), qPrintable(path));
            QCOMPARE(QImageReader(denseSibling(path)).size(), QImageReader(path).size() * 2);
        }
        QVERIFY(pictures > 0);
    }

    void loadPictureTakesTheSharpFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QSize>("points");
        QTest::addColumn<bool>("exactly2x");
        const QString clock = QStringLiteral(":/images/clock.png");
        const QString home = brand().connectImagePath;
        QTest::newRow("plain at 1x") << clock << 1.0 << QSize() << QSize(120, 120) << false;
        QTest::newRow("@2x at 2x") << clock << 2.0 << QSize() << QSize(120, 120) << true;
        QTest::newRow("@2x shrunk at 1.5x") << clock << 1.5 << QSize() << QSize(120, 120) << false;
        QTest::newRow("box of its own size at 2x") << home << 2.0 << brand().homeImageSize << QSize(375, 140) << true;
        QTest::newRow("smaller box keeps the aspect")
            << home << 2.0 << brand().screenLogoSize << QSize(281, 105) << false;
    }
    void loadPictureTakesTheSharpFile()
    {
        QFETCH(QString, path);
        QFETCH(qreal, ratio);
        QFETCH(QSize, box);
        QFETCH(QSize, points);
        QFETCH(bool, exactly2x);
        const QPixmap picture = loadPicture(path, ratio, box);
        QCOMPARE(picture.devicePixelRatioF(), ratio);
        QCOMPARE(picture.size(), (QSizeF(points) * ratio).toSize());
        if (exactly2x)
            QCOMPARE(comparable(picture), comparable(denseSibling(path)));
    }

    void missingPictureIsNull() { QVERIFY(loadPicture(QStringLiteral(":/images/none.png"), 2.0).isNull()); }

    // Buttons and the forms take their icons through QIcon, which finds the sibling by name.
    void iconsTakeTheSharpFile()
    {
        const QString path = QStringLiteral(":/images/settings.png");
        const QPixmap pixmap = QIcon(path).pixmap(QSize(24, 24));
        QCOMPARE(pixmap.devicePixelRatioF(), 2.0);
        QCOMPARE(comparable(pixmap), comparable(denseSibling(path)));
    }

    // A 22-point tray icon needs 44 pixels at 2x, a 32-point task bar icon 64: no size is far from one it carries.
    void brandIconCarriesSeveralSizes()
    {
        const QList<QSize> sizes = QIcon(brand().logoIconPath).availableSizes();
        for (int side : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    enableHighDpiScaling();
    QApplication app(argc, argv);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_highdpi.moc"
