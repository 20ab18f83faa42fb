#pragma once

#include "catalog.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>

namespace agentsim {

// Listings of any size, to see how the UI copes with far more entries than a scenario lists. The same count always
// gives the same entries.

// Gateways in a few dozen cities, numbered as replicas per city; every tenth one is out of service.
QList<Gateway> generatedGateways(int count);
// Peers in the "peer_listing" layout.
QJsonArray generatedPeers(int count);
// `count` findings (items) spread evenly over the sixteen categories, in the "violation_list" layout, each category
// split into groups by the condition words its findings use.
QJsonObject generatedFindings(int count);

} // namespace agentsim
