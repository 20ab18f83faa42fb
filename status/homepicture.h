#pragma once

#include "status/statusmodel.h"

#include <QString>

// The home screen's picture: the shield on the laptop carries the sign the tray's badge shows for the same state, so
// the two never disagree. A blocked or isolated device has a sign of its own: what changed is its network, not the
// service's health.
enum class HomePicture
{
    Protected,
    Busy,
    Off,
    Unavailable,
    Blocked,
    Attention,
};

HomePicture homePictureFor(const Status& status);
// The brand's image for the picture.
QString homePicturePath(HomePicture picture);
