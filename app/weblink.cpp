#include "app/weblink.h"

#include <QDesktopServices>
#include <QUrl>

bool openWebLinkFromAgent(const QString& address)
{
    const QUrl url(address, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}
