#include "enrollment/firstrunwords.h"

#include "app/brandprofile.h"

QString FirstRunWords::serviceUnreachable()
{
    //: %1 is the product's name: "the Novalume service".
    return tr("Unable to connect to the %1 service").arg(brand().displayName);
}

QString FirstRunWords::serviceSilent()
{
    //: %1 is the product's name: "the Novalume service".
    return tr("The %1 service did not answer. Please try again.").arg(brand().displayName);
}

QString FirstRunWords::codeUnavailable()
{
    //: %1 is the product's name: "the Novalume service".
    return tr("The QR code is not available while the %1 service is unreachable.").arg(brand().displayName);
}
