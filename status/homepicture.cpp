#include "status/homepicture.h"

#include "app/brandprofile.h"

HomePicture homePictureFor(const Status& status)
{
    switch (status.state) {
    case AppState::On:
        return HomePicture::Protected;
    case AppState::Connecting:
    case AppState::ApprovalPending:
        return HomePicture::Busy;
    case AppState::SecureAccessOff:
    case AppState::NotEnrolled:
        return HomePicture::Off;
    case AppState::AgentUnavailable:
    case AppState::PortHeldByOther:
        return HomePicture::Unavailable;
    case AppState::SignInNeeded:
        return HomePicture::Attention;
    case AppState::NeedsAttention:
        break;
    }
    return status.attention == Attention::NetworkBlocked || status.attention == Attention::DeviceIsolated
               ? HomePicture::Blocked
               : HomePicture::Attention;
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
