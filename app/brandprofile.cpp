#include "app/brandprofile.h"

namespace {

BrandProfile makeProfile(const QString& directory, const QString& displayName, const QString& editionCode,
                         int activationType, const QString& primaryColor, const QString& secondaryColor)
{
    BrandProfile p;
    p.displayName = displayName;
    p.companyWord = QStringLiteral("Ebrana");
    p.appVersion = QStringLiteral("2.0.12");
    p.editionCode = editionCode;
    p.activationType = activationType;
    p.primaryColor = primaryColor;
    p.secondaryColor = secondaryColor;
    p.darkColor = QStringLiteral("#101821");
    const QString images = QStringLiteral(":/images/%1/").arg(directory);
    p.logoIconPath = images + QStringLiteral("logo.ico");
    p.connectImagePath = images + QStringLiteral("connectScreen.png");
    p.splashImagePath = images + QStringLiteral("splashScreen.png");
    p.homeImageSize = QSize(375, 140);
    p.screenLogoSize = QSize(281, 120);
    p.splashImageSize = QSize(372, 180);
    return p;
}

BrandProfile novalume()
{
    BrandProfile p = makeProfile(QStringLiteral("novalume"), QStringLiteral("Novalume"), QStringLiteral("zq"),
                                 ActivationType::ServiceId, QStringLiteral("#FF4698CB"), QStringLiteral("#774698CB"));
    p.privacyPolicyUrl = QUrl(QStringLiteral("https://www.novalume.example/privacy-policy"));
    return p;
}

BrandProfile lumidor()
{
    BrandProfile p =
        makeProfile(QStringLiteral("lumidor"), QStringLiteral("Lumidor"), QStringLiteral("zq"),
                    ActivationType::ServiceId, QStringLiteral("#FFC8962E"), QStringLiteral("#77C8962E"));
    p.supportUrl = QUrl(QStringLiteral("https://support.lumidor.example/"));
    p.eulaUrl = QUrl(QStringLiteral("https://www.lumidor.example/eula"));
    p.termsUrl = QUrl(QStringLiteral("https://www.lumidor.example/terms"));
    p.privacyPolicyUrl = QUrl(QStringLiteral("https://www.lumidor.example/privacy"));
    return p;
}

BrandProfile kivora()
{
    BrandProfile p = makeProfile(QStringLiteral("kivora"), QStringLiteral("Kivora"), QStringLiteral("vr"),
                                 ActivationType::Email, QStringLiteral("#FF2E9E6B"), QStringLiteral("#772E9E6B"));
    p.privacyPolicyUrl = QUrl(QStringLiteral("https://www.kivora.example/privacy"));
    return p;
}

BrandProfile dovrin()
{
    BrandProfile p =
        makeProfile(QStringLiteral("dovrin"), QStringLiteral("Dovrin"), QStringLiteral("dv"),
                    ActivationType::ActivationCode, QStringLiteral("#FF7A4FC4"), QStringLiteral("#777A4FC4"));
    p.privacyPolicyUrl = QUrl(QStringLiteral("https://www.dovrin.example/privacy"));
    return p;
}

const BrandProfile& shippedProfile()
{
    static const BrandProfile shipped = brandProfileNamed(QStringLiteral(VEXAUI_BRAND));
    return shipped;
}

const BrandProfile* activeOverride = nullptr;

} // namespace

const BrandProfile& brand()
{
    return activeOverride ? *activeOverride : shippedProfile();
}

BrandProfile brandProfileNamed(const QString& name)
{
    if (name == QLatin1String("lumidor"))
        return lumidor();
    if (name == QLatin1String("kivora"))
        return kivora();
    if (name == QLatin1String("dovrin"))
        return dovrin();
    return novalume();
}

ScopedBrandProfile::ScopedBrandProfile(BrandProfile profile) : profile(std::move(profile)), previous(activeOverride)
{
    activeOverride = &this->profile;
}

ScopedBrandProfile::~ScopedBrandProfile()
{
    activeOverride = previous;
}
