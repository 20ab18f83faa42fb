#include "app/splashscreen.h"

#include "app/brandprofile.h"
#include "app/highdpi.h"
#include "app/theme.h"

#include <QPainter>
#include <QTimer>

SplashWidget::SplashWidget(QWidget* parent) : QWidget(parent)
{
    setFixedSize(374, 699);
    // Without this a plain QWidget ignores the background-color of its own style sheet when painted.
    setAttribute(Qt::WA_StyledBackground, true);
    applyThemeColors(this, StyleTemplate::splash);
}

void SplashWidget::paintEvent(QPaintEvent*)
{
    const QPixmap image = loadPicture(brand().splashImagePath, devicePixelRatioF(), brand().splashImageSize);
    if (image.isNull())
        return;
    QRect area(QPoint(), image.size() / image.devicePixelRatioF());
    area.moveCenter(rect().center());
    QPainter painter(this);
    painter.drawPixmap(area.topLeft(), image);
}

SplashHandOff::SplashHandOff() : splash(new MySplashScreen(QPixmap()))
{
    splash->setAttribute(Qt::WA_DeleteOnClose);
    auto* canvas = new SplashWidget;
    splash->show();
    const QPixmap picture = canvas->grab(canvas->rect());
    MySplashScreen* screen = splash;
    QTimer::singleShot(0, screen, [screen, picture] { screen->setPixmap(picture); });
    canvas->deleteLater();
}

void SplashHandOff::finish(QWidget* mainWindow)
{
    if (splash)
        splash->finish(mainWindow);
}
