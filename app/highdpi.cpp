#include "app/highdpi.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmapCache>

void enableHighDpiScaling()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // A 150 % laptop screen is mostly 1920 x 1080: at 2x the fixed 699-point-high window would need 1398 pixels and
    // not fit, and at exactly 1.5 Qt 5 widgets leave seams and blurred edges. So the scale is rounded up only from
    // 1.75 and down otherwise, which keeps every screen on whole pixels.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
}

QPixmap loadPicture(const QString& path, qreal ratio, const QSize& box)
{
    const QSize plain = QImageReader(path).size();
    if (!plain.isValid())
        return QPixmap();
    // Fitted in fractions, so the pixels are rounded once and not the rounded points multiplied.
    QSizeF points(plain);
    if (box.isValid())
        points = points.scaled(QSizeF(box), Qt::KeepAspectRatio);

    QPixmap picture;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const QString dense = path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
    if (ratio <= 1.0 || dot < 0 || !QFileInfo::exists(dense) || !picture.load(dense))
        picture.load(path);

    const QSize pixels = (points * ratio).toSize();
    if (picture.size() != pixels)
        picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QPixmap sharedPicture(const QString& path, qreal ratio, const QSize& box)
{
    const QString key = QStringLiteral("vexaui:%1:%2:%3x%4").arg(path).arg(ratio).arg(box.width()).arg(box.height());
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    picture = loadPicture(path, ratio, box);
    if (!picture.isNull())
        QPixmapCache::insert(key, picture);
    return picture;
}
