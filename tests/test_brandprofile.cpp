#include "agent/tcpsocket.h"
#include "app/brandprofile.h"
#include "app/splashscreen.h"
#include "app/startup.h"
#include "app/theme.h"

#include <QImage>
#include <QLabel>
#include <QTest>

class TestBrandProfile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initVexaResources(); }

    void shippedProfileIsTheServiceIdEdition()
    {
        QCOMPARE(brand().displayName, QStringLiteral("Novalume"));
        QCOMPARE(brand().editionCode, QStringLiteral("zq"));
        QCOMPARE(brand().activationType, ActivationType::ServiceId);
        QCOMPARE(brand().primaryColor, QStringLiteral("#FF4698CB"));
        QCOMPARE(brand().logoIconPath, QStringLiteral(":/images/novalume/logo.ico"));
        QVERIFY(brand().supportUrl.isEmpty());
        QCOMPARE(brand().privacyPolicyUrl.scheme(), QStringLiteral("https"));
    }

    void everyBrandHasItsImages_data()
    {
        QTest::addColumn<QString>("brandName");
        for (const char* name : {"novalume", "lumidor", "kivora", "dovrin"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyBrandHasItsImages()
    {
        QFETCH(QString, brandName);
        const BrandProfile profile = brandProfileNamed(brandName);
        for (const QString& path : {profile.logoIconPath, profile.connectImagePath, profile.splashImagePath})
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
    }

    void scopedProfileSwitchesAndRestores()
    {
        {
            ScopedBrandProfile dovrin(brandProfileNamed(QStringLiteral("dovrin")));
            QCOMPARE(brand().displayName, QStringLiteral("Dovrin"));
            QCOMPARE(tcpsocket::agentPort(), quint16(8002));
            {
                BrandProfile email = brand();
                email.activationType = ActivationType::Email;
                ScopedBrandProfile nested(email);
                QCOMPARE(brand().activationType, ActivationType::Email);
                QCOMPARE(brand().displayName, QStringLiteral("Dovrin"));
            }
            QCOMPARE(brand().activationType, ActivationType::ActivationCode);
        }
        QCOMPARE(brand().displayName, QStringLiteral("Novalume"));
        QCOMPARE(tcpsocket::agentPort(), quint16(8004));
    }

    void templatesAreFilledCompletely_data()
    {
        QTest::addColumn<QString>("styleTemplate");
        QTest::newRow("title bar") << StyleTemplate::titleBar;
        QTest::newRow("large button") << StyleTemplate::largeButton;
        QTest::newRow("gateway button") << StyleTemplate::gatewayButton;
        QTest::newRow("qr button") << StyleTemplate::qrScreenButton;
        QTest::newRow("scroll bar") << StyleTemplate::scrollBar;
        QTest::newRow("plain title bar") << StyleTemplate::plainTitleBar;
        QTest::newRow("splash") << StyleTemplate::splash;
    }
    void templatesAreFilledCompletely()
    {
        QFETCH(QString, styleTemplate);
        QLabel widget;
        applyThemeColors(&widget, styleTemplate);
        QVERIFY(!widget.styleSheet().contains(QLatin1String("__")));
        QVERIFY(widget.styleSheet().contains(brand().primaryColor));
        applyThemeColors(&widget, styleTemplate, ThemeColors::darkColors());
        QVERIFY(!widget.styleSheet().contains(QLatin1String("__")));
        QVERIFY(widget.styleSheet().contains(brand().darkColor));
    }

    void repeatedPlaceholderIsReplacedEverywhere()
    {
        const QString filled = fillThemeColors(StyleTemplate::largeButton, ThemeColors::brandColors());
        QCOMPARE(filled.count(QStringLiteral("#774698CB")), 2);
        QCOMPARE(fillThemeColors(QStringLiteral("a:__bgColor__;b:__sliderColor__;c:__bgColor__"),
                                 {{}, {}, QStringLiteral("#1"), QStringLiteral("#2")}),
                 QStringLiteral("a:#1;b:#2;c:#1"));
    }

    void splashIsPrimaryColourWithCentredImage()
    {
        SplashWidget widget;
        const QImage picture = widget.grab(widget.rect()).toImage();
        QCOMPARE(picture.size(), QSize(374, 699));
        const QColor primary(brand().primaryColor);
        QCOMPARE(picture.pixelColor(0, 0).rgb(), primary.rgb());
        QCOMPARE(picture.pixelColor(373, 698).rgb(), primary.rgb());
        bool imageDrawn = false;
        for (int x = 0; x < 374 && !imageDrawn; ++x)
            imageDrawn = picture.pixelColor(x, 349).rgb() != primary.rgb();
        QVERIFY(imageDrawn);
    }

    void splashWithoutImageIsPlain()
    {
        BrandProfile missing = brand();
        missing.splashImagePath = QStringLiteral(":/images/none/splashScreen.png");
        ScopedBrandProfile scoped(missing);
        SplashWidget widget;
        const QImage picture = widget.grab(widget.rect()).toImage();
        const QColor primary(brand().primaryColor);
        for (int y = 0; y < picture.height(); y += 7)
            QCOMPARE(picture.pixelColor(187, y).rgb(), primary.rgb());
    }
};

QTEST_MAIN(TestBrandProfile)
#include "test_brandprofile.moc"
