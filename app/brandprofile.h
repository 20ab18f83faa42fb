#pragma once

#include <QSize>
#include <QString>
#include <QUrl>

// Everything that differs between brands of this program. One profile is compiled in as the shipped one; the rest
// of the code reads it through brand() and never hard-codes a brand's name, colour or image.
struct BrandProfile
{
    QString displayName;
    QString companyWord;
    QString appVersion;
    QString editionCode;
    int activationType = 0; // 0 activation code, 1 service ID and QR code, 2 email
    QString primaryColor;
    QString secondaryColor;
    QString darkColor;
    QString logoIconPath;
    QString connectImagePath;
    QString splashImagePath;
    QSize homeImageSize;
    QSize screenLogoSize;
    QSize splashImageSize;
    QUrl supportUrl;
    QUrl eulaUrl;
    QUrl termsUrl;
    QUrl privacyPolicyUrl;

    bool isServiceIdEdition() const { return editionCode == QLatin1String("zq"); }
    bool usesEmailEnrollment() const;
};

namespace ActivationType {
constexpr int ActivationCode = 0;
constexpr int ServiceId = 1;
constexpr int Email = 2;
} // namespace ActivationType

inline bool BrandProfile::usesEmailEnrollment() const
{
    return activationType == ActivationType::Email;
}

// The profile in force: the one chosen at build time, unless a ScopedBrandProfile is alive.
const BrandProfile& brand();

// The profiles known to this build, by the name of their image directory ("novalume", "lumidor", ...).
// An unknown name yields the shipped profile.
BrandProfile brandProfileNamed(const QString& name);

// Lets tests run a stretch of code under another brand. Not for production code: the brand of a running program
// never changes.
class ScopedBrandProfile
{
public:
    explicit ScopedBrandProfile(BrandProfile profile);
    ~ScopedBrandProfile();
    ScopedBrandProfile(const ScopedBrandProfile&) = delete;
    ScopedBrandProfile& operator=(const ScopedBrandProfile&) = delete;

private:
    BrandProfile profile;
    const BrandProfile* previous;
};
