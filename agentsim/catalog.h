#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace agentsim {

struct Gateway
{
    QString id;
    int type = 1;
    QString name;
    QString location;
    int status = 1; // 1 in service; anything else out of service
    QString city;
    QString region;
    QString country;
    double latitude = 0;
    double longitude = 0;
    int replicaNumber = 0;
    // Where the tunnel goes; not part of a listing.
    QString ip;
    int port = 443;
    QString tryMe;

    bool inService() const { return status == 1; }
    QJsonObject toListing() const;
};

// The fixed data the agent lists on request: access gateways, compliance findings and peer devices.
class Catalog
{
public:
    // Category key in "violation_list" and the key of the item array inside each of its units.
    static const QList<QPair<QString, QString>>& categories();

    bool load(const QJsonArray& gateways, const QJsonObject& violations, const QJsonArray& peers, QStringList* errors);

    QJsonObject pagListing() const;
    QJsonObject violationList() const { return m_violations; }
    QJsonObject peerListing() const;
    bool hasViolations() const;

    // Lists of a chosen size take the place of the scenario's (console command "generate").
    void setGateways(const QList<Gateway>& gateways) { m_gateways = gateways; }
    void setViolations(const QJsonObject& violations) { m_violations = violations; }
    void setPeers(const QJsonArray& peers) { m_peers = peers; }

    const QList<Gateway>& gateways() const { return m_gateways; }
    Gateway* gateway(const QString& id);
    const Gateway* gateway(const QString& id) const;
    const Gateway* firstInService() const;

private:
    QList<Gateway> m_gateways;
    QJsonObject m_violations;
    QJsonArray m_peers;
};

} // namespace agentsim
