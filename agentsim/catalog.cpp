#include "catalog.h"

#include "jsonview.h"

namespace agentsim {

namespace {

const QStringList& attributeKeys()
{
    static const QStringList keys = {QStringLiteral("vendor"),   QStringLiteral("version"),   QStringLiteral("command"),
                                     QStringLiteral("protocol"), QStringLiteral("condition"), QStringLiteral("key"),
                                     QStringLiteral("value")};
    return keys;
}

// Real agents send every attribute key, empty or not; files may leave the empty ones out.
QJsonObject normalizedAttribute(const JsonView& in)
{
    in.allowOnly(attributeKeys());
    QJsonObject out;
    for (const QString& key : attributeKeys())
        out.insert(key, in.string(key, JsonView::Optional));
    return out;
}

QJsonObject normalizedItem(const JsonView& in, bool portItem)
{
    QJsonObject out;
    if (portItem) {
        in.allowOnly({QStringLiteral("port"), QStringLiteral("path"), QStringLiteral("attributes")});
        out.insert(QStringLiteral("port"), in.integer(QStringLiteral("port"), JsonView::Required, 0, 0, 65535));
    } else {
        in.allowOnly({QStringLiteral("name"), QStringLiteral("path"), QStringLiteral("attributes")});
        out.insert(QStringLiteral("name"), in.string(QStringLiteral("name")));
    }
    out.insert(QStringLiteral("path"), in.string(QStringLiteral("path"), JsonView::Optional));
    QJsonArray attributes;
    const QJsonArray source = in.array(QStringLiteral("attributes"), JsonView::Optional);
    for (int i = 0; i < source.size(); ++i) {
        const QString where = in.pathOf(QStringLiteral("attributes[%1]").arg(i));
        if (!source.at(i).isObject()) {
            in.fail(where + QStringLiteral(": expected an object"));
            continue;
        }
        QStringList errors;
        JsonView attribute(source.at(i).toObject(), where, &errors);
        attributes.append(normalizedAttribute(attribute));
        for (const QString& e : errors)
            in.fail(e);
    }
    out.insert(QStringLiteral("attributes"), attributes);
    return out;
}

QJsonArray objectsOf(const QJsonArray& array, const QString& path, QStringList* errors)
{
    QJsonArray out;
    for (int i = 0; i < array.size(); ++i) {
        if (array.at(i).isObject())
            out.append(array.at(i));
        else
            errors->append(QStringLiteral("%1[%2]: expected an object").arg(path).arg(i));
    }
    return out;
}

} // namespace

const QList<QPair<QString, QString>>& Catalog::categories()
{
    static const QList<QPair<QString, QString>> list = {
        {QStringLiteral("program"), QStringLiteral("programs")},
        {QStringLiteral("process"), QStringLiteral("processes")},
        {QStringLiteral("port"), QStringLiteral("ports")},
        {QStringLiteral("nw_intf"), QStringLiteral("nwintfs")},
        {QStringLiteral("os_info"), QStringLiteral("os_info")},
        {QStringLiteral("hw_info"), QStringLiteral("hw_info")},
        {QStringLiteral("registry"), QStringLiteral("registry_info")},
        {QStringLiteral("win_firewall"), QStringLiteral("win_firewall")},
        {QStringLiteral("client_cert"), QStringLiteral("cert")},
        {QStringLiteral("trust_cert"), QStringLiteral("cert")},
        {QStringLiteral("managed_cert"), QStringLiteral("cert")},
        {QStringLiteral("vpn"), QStringLiteral("vpn")},
        {QStringLiteral("win_antivirus"), QStringLiteral("antivirus")},
        {QStringLiteral("filepath"), QStringLiteral("files")},
        {QStringLiteral("win_autorun"), QStringLiteral("programs")},
        {QStringLiteral("smb_share"), QStringLiteral("smb_shared")},
    };
    return list;
}

QJsonObject Gateway::toListing() const
{
    return QJsonObject{
        {QStringLiteral("id"), id},
        {QStringLiteral("type"), type},
        {QStringLiteral("name"), name},
        {QStringLiteral("location"), location},
        {QStringLiteral("status"), status},
        {QStringLiteral("city"), city},
        {QStringLiteral("region"), region},
        {QStringLiteral("country"), country},
        {QStringLiteral("latitude"), latitude},
        {QStringLiteral("longitude"), longitude},
        {QStringLiteral("replica_number"), replicaNumber},
    };
}

bool Catalog::load(const QJsonArray& gateways, const QJsonObject& violations, const QJsonArray& peers,
                   QStringList* errors)
{
    const int errorsBefore = errors->size();

    QList<Gateway> gatewayList;
    const QJsonArray gatewayObjects = objectsOf(gateways, QStringLiteral("gateways"), errors);
    for (int i = 0; i < gatewayObjects.size(); ++i) {
        JsonView in(gatewayObjects.at(i).toObject(), QStringLiteral("gateways[%1]").arg(i), errors);
        in.allowOnly({QStringLiteral("id"), QStringLiteral("type"), QStringLiteral("name"), QStringLiteral("location"),
                      QStringLiteral("status"), QStringLiteral("city"), QStringLiteral("region"),
                      QStringLiteral("country"), QStringLiteral("latitude"), QStringLiteral("longitude"),
                      QStringLiteral("replica_number"), QStringLiteral("ip"), QStringLiteral("port"),
                      QStringLiteral("tryme")});
        Gateway g;
        g.id = in.string(QStringLiteral("id"));
        g.type = int(in.integer(QStringLiteral("type"), JsonView::Optional, 1));
        g.name = in.string(QStringLiteral("name"), JsonView::Optional);
        g.location = in.string(QStringLiteral("location"), JsonView::Optional);
        g.status = int(in.integer(QStringLiteral("status"), JsonView::Optional, 1));
        g.city = in.string(QStringLiteral("city"), JsonView::Optional);
        g.region = in.string(QStringLiteral("region"), JsonView::Optional);
        g.country = in.string(QStringLiteral("country"), JsonView::Optional);
        g.latitude = in.number(QStringLiteral("latitude"), JsonView::Optional);
        g.longitude = in.number(QStringLiteral("longitude"), JsonView::Optional);
        g.replicaNumber = int(in.integer(QStringLiteral("replica_number"), JsonView::Optional));
        g.ip = in.string(QStringLiteral("ip"), JsonView::Optional);
        g.port = int(in.integer(QStringLiteral("port"), JsonView::Optional, 443, 0, 65535));
        g.tryMe = in.string(QStringLiteral("tryme"), JsonView::Optional);
        for (const Gateway& other : gatewayList) {
            if (other.id == g.id)
                in.fail(in.pathOf(QStringLiteral("id")) + QStringLiteral(": duplicate id ") + g.id);
        }
        gatewayList.append(g);
    }

    QJsonObject violationList;
    JsonView categoriesIn(violations, QStringLiteral("violations"), errors);
    QStringList known;
    for (const auto& category : categories())
        known.append(category.first);
    categoriesIn.allowOnly(known);
    for (const auto& category : categories()) {
        const QString where = categoriesIn.pathOf(category.first);
        const QJsonArray units = objectsOf(categoriesIn.array(category.first, JsonView::Optional), where, errors);
        QJsonArray outUnits;
        for (int u = 0; u < units.size(); ++u) {
            JsonView unit(units.at(u).toObject(), QStringLiteral("%1[%2]").arg(where).arg(u), errors);
            unit.allowOnly({QStringLiteral("condition"), category.second});
            QJsonArray outItems;
            const QJsonArray items =
                objectsOf(unit.array(category.second, JsonView::Optional), unit.pathOf(category.second), errors);
            for (int k = 0; k < items.size(); ++k) {
                JsonView item(items.at(k).toObject(), QStringLiteral("%1[%2]").arg(unit.pathOf(category.second)).arg(k),
                              errors);
                outItems.append(normalizedItem(item, category.second == QLatin1String("ports")));
            }
            outUnits.append(QJsonObject{{QStringLiteral("condition"), unit.string(QStringLiteral("condition"))},
                                        {category.second, outItems}});
        }
        violationList.insert(category.first, outUnits);
    }

    QJsonArray peerList;
    const QJsonArray peerObjects = objectsOf(peers, QStringLiteral("peers"), errors);
    for (int i = 0; i < peerObjects.size(); ++i) {
        JsonView in(peerObjects.at(i).toObject(), QStringLiteral("peers[%1]").arg(i), errors);
        in.allowOnly({QStringLiteral("caname"), QStringLiteral("drname"), QStringLiteral("addr")});
        peerList.append(QJsonObject{{QStringLiteral("caname"), in.string(QStringLiteral("caname"))},
                                    {QStringLiteral("drname"), in.string(QStringLiteral("drname"))},
                                    {QStringLiteral("addr"), in.string(QStringLiteral("addr"))}});
    }

    if (errors->size() != errorsBefore)
        return false;
    m_gateways = gatewayList;
    m_violations = violationList;
    m_peers = peerList;
    return true;
}

QJsonObject Catalog::pagListing() const
{
    QJsonArray pags;
    for (const Gateway& g : m_gateways)
        pags.append(g.toListing());
    return QJsonObject{{QStringLiteral("pags"), pags}};
}

QJsonObject Catalog::peerListing() const
{
    return QJsonObject{{QStringLiteral("peers"), m_peers}};
}

bool Catalog::hasViolations() const
{
    for (auto it = m_violations.constBegin(); it != m_violations.constEnd(); ++it) {
        if (!it->toArray().isEmpty())
            return true;
    }
    return false;
}

Gateway* Catalog::gateway(const QString& id)
{
    for (Gateway& g : m_gateways) {
        if (g.id == id)
            return &g;
    }
    return nullptr;
}

const Gateway* Catalog::gateway(const QString& id) const
{
    return const_cast<Catalog*>(this)->gateway(id);
}

const Gateway* Catalog::firstInService() const
{
    for (const Gateway& g : m_gateways) {
        if (g.inService())
            return &g;
    }
    return nullptr;
}

} // namespace agentsim
