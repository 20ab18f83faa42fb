#include "listinggenerator.h"

#include <QVector>

namespace agentsim {

namespace {

struct Place
{
    const char* city;
    const char* region;
    const char* country;
    double latitude;
    double longitude;
};

constexpr Place places[] = {
    {"Amsterdam", "North Holland", "NL", 52.37, 4.90},
    {"Frankfurt", "Hesse", "DE", 50.11, 8.68},
    {"Paris", "Ile-de-France", "FR", 48.86, 2.35},
    {"London", "England", "GB", 51.51, -0.13},
    {"Madrid", "Madrid", "ES", 40.42, -3.70},
    {"Milan", "Lombardy", "IT", 45.46, 9.19},
    {"Stockholm", "Stockholm", "SE", 59.33, 18.07},
    {"Warsaw", "Masovia", "PL", 52.23, 21.01},
    {"New York", "New York", "US", 40.71, -74.01},
    {"Chicago", "Illinois", "US", 41.88, -87.63},
    {"Dallas", "Texas", "US", 32.78, -96.80},
    {"San Jose", "California", "US", 37.34, -121.89},
    {"Toronto", "Ontario", "CA", 43.65, -79.38},
    {"Sao Paulo", "Sao Paulo", "BR", -23.55, -46.63},
    {"Tokyo", "Tokyo", "JP", 35.68, 139.69},
    {"Seoul", "Seoul", "KR", 37.57, 126.98},
    {"Singapore", "Singapore", "SG", 1.35, 103.82},
    {"Mumbai", "Maharashtra", "IN", 19.08, 72.88},
    {"Sydney", "New South Wales", "AU", -33.87, 151.21},
    {"Istanbul", "Istanbul", "TR", 41.01, 28.98},
};
constexpr int placeCount = int(sizeof(places) / sizeof(places[0]));

// Condition words per category, in the order of Catalog::categories().
const QList<QStringList>& conditionWords()
{
    static const QList<QStringList> words = {
        {QStringLiteral("INSTALLED"), QStringLiteral("NOT_INSTALLED")}, // program
        {QStringLiteral("RUNNING"), QStringLiteral("NOT_RUNNING")},     // process
        {QStringLiteral("LISTENING"), QStringLiteral("NOT_LISTENING")}, // port
        {QStringLiteral("MATCH")},                                      // nw_intf
        {QStringLiteral("MATCH"), QStringLiteral("NOT_MATCH")},         // os_info
        {QStringLiteral("MATCH")},                                      // hw_info
        {QStringLiteral("EXISTS"), QStringLiteral("NOT_EXISTS")},       // registry
        {QStringLiteral("DISABLED")},                                   // win_firewall
        {QStringLiteral("INSTALLED"), QStringLiteral("NOT_INSTALLED")}, // client_cert
        {QStringLiteral("INSTALLED"), QStringLiteral("NOT_INSTALLED")}, // trust_cert
        {QStringLiteral("NOT_INSTALLED")},                              // managed_cert
        {QStringLiteral("INSTALLED")},                                  // vpn
        {QStringLiteral("DISABLED")},                                   // win_antivirus
        {QStringLiteral("EXISTS"), QStringLiteral("NOT_EXISTS")},       // filepath
        {QStringLiteral("ENABLED")},                                    // win_autorun
        {QStringLiteral("ENABLED")},                                    // smb_share
    };
    return words;
}

QJsonObject attribute(const QString& vendor, const QString& version, const QString& protocol, const QString& key,
                      const QString& value)
{
    return QJsonObject{{QStringLiteral("vendor"), vendor},       {QStringLiteral("version"), version},
                       {QStringLiteral("command"), QString()},   {QStringLiteral("protocol"), protocol},
                       {QStringLiteral("condition"), QString()}, {QStringLiteral("key"), key},
                       {QStringLiteral("value"), value}};
}

QJsonObject finding(const QString& category, int number)
{
    const QString n = QString::number(number);
    if (category == QLatin1String("port"))
        return QJsonObject{{QStringLiteral("port"), 1024 + number % 64000},
                           {QStringLiteral("path"), QString()},
                           {QStringLiteral("attributes"),
                            QJsonArray{attribute(QString(), QString(), QStringLiteral("TCP"), QString(), QString())}}};
    QJsonArray attributes;
    if (category == QLatin1String("registry"))
        attributes.append(
            attribute(QString(), QString(), QString(), QStringLiteral("Value") + n, QString::number(number % 2)));
    else
        attributes.append(attribute(QStringLiteral("Vendor ") + n,
                                    QStringLiteral("1.%1.%2").arg(number % 10).arg(number), QString(), QString(),
                                    QString()));
    return QJsonObject{
        {QStringLiteral("name"), QStringLiteral("%1-finding-%2").arg(category, n)},
        {QStringLiteral("path"), category == QLatin1String("registry")
                                     ? QStringLiteral("HKLM\\Software\\Vendor %1\\Settings").arg(n)
                                     : QStringLiteral("C:\\Program Files\\Vendor %1\\bin\\tool-%1.exe").arg(n)},
        {QStringLiteral("attributes"), attributes}};
}

} // namespace

QList<Gateway> generatedGateways(int count)
{
    QList<Gateway> gateways;
    gateways.reserve(count);
    for (int i = 0; i < count; ++i) {
        const Place& place = places[i % placeCount];
        Gateway g;
        g.id = QStringLiteral("gw-%1").arg(i + 1, 4, 10, QLatin1Char('0'));
        g.name = QStringLiteral("%1 %2").arg(QLatin1String(place.city)).arg(i / placeCount + 1);
        g.location = QStringLiteral("%1, %2, %3")
                         .arg(QLatin1String(place.city), QLatin1String(place.region), QLatin1String(place.country));
        g.status = i % 10 == 9 ? 0 : 1;
        g.city = QLatin1String(place.city);
        g.region = QLatin1String(place.region);
        g.country = QLatin1String(place.country);
        g.latitude = place.latitude;
        g.longitude = place.longitude;
        g.replicaNumber = i / placeCount;
        g.ip = QStringLiteral("198.18.%1.%2").arg(i / 250 % 256).arg(i % 250 + 1);
        gateways.append(g);
    }
    return gateways;
}

QJsonArray generatedPeers(int count)
{
    QJsonArray peers;
    for (int i = 0; i < count; ++i)
        peers.append(
            QJsonObject{{QStringLiteral("caname"), QStringLiteral("peer-%1.acme-industries.example").arg(i + 1)},
                        {QStringLiteral("drname"), QStringLiteral("DESKTOP-%1").arg(i + 1, 5, 10, QLatin1Char('0'))},
                        {QStringLiteral("addr"), QStringLiteral("100.64.%1.%2").arg(i / 250 % 256).arg(i % 250 + 1)}});
    return peers;
}

QJsonObject generatedFindings(int count)
{
    const auto& categories = Catalog::categories();
    QJsonObject list;
    for (int c = 0; c < categories.size(); ++c) {
        const QString& category = categories.at(c).first;
        const QStringList& conditions = conditionWords().at(c);
        QVector<QJsonArray> items(conditions.size());
        // Finding k goes to category k % 16, and within it alternates between the category's conditions.
        for (int k = c, within = 0; k < count; k += categories.size(), ++within)
            items[within % conditions.size()].append(finding(category, k + 1));
        QJsonArray groups;
        for (int g = 0; g < conditions.size(); ++g) {
            if (!items.at(g).isEmpty())
                groups.append(QJsonObject{{QStringLiteral("condition"), conditions.at(g)},
                                          {categories.at(c).second, items.at(g)}});
        }
        list.insert(category, groups);
    }
    return list;
}

} // namespace agentsim
