#include "status/homepicture.h"

#include "app/brandprofile.h"
#include "status/traystatus.h"

HomePicture homePictureFor(const Status& status)
{
    if (status.state == AppState::NeedsAttention &&
        (status.attention == Attention::NetworkBlocked || status.attention == Attention::DeviceIsolated))
        return HomePicture::Blocked;
    switch (TrayStatus::badgeFor(status.state)) {
    case TrayStatus::Badge::Check:
        return HomePicture::Protected;
    case TrayStatus::Badge::Dots:
        return HomePicture::Busy;
    case TrayStatus::Badge::Slash:
        return HomePicture::Off;
    case TrayStatus::Badge::Cross:
        return HomePicture::Unavailable;
    case TrayStatus::Badge::Exclamation:
        break;
    }
    return HomePicture::Attention;
}

QString homePicturePath(HomePicture picture)
{
    // The protected picture is the brand's own, which the enrollment screens show too; the others lie beside it.
    const QString& protectedPath = brand().connectImagePath;
    const QString folder = protectedPath.section(QLatin1Char('/'), 0, -2) + QStringLiteral("/home-");
    switch (picture) {
    case HomePicture::Protected:
        break;
    case HomePicture::Busy:
        return folder + QStringLiteral("dots.png");
    case HomePicture::Off:
        return folder + QStringLiteral("slash.png");
    case HomePicture::Unavailable:
        return folder + QStringLiteral("cross.png");
    case HomePicture::Blocked:
        return folder + QStringLiteral("blocked.png");
    case HomePicture::Attention:
        return folder + QStringLiteral("exclamation.png");
    }
    return protectedPath;
}
