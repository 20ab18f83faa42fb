#pragma once

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace agentsim {

// Outcome codes chosen ahead of the simulated agent's own judgement, per kind of request.
// A scenario gives a list per kind: each request that reaches its decision takes the next code, and the last code
// stays in force. The console can force a one-time code that the very next request of that kind gets, before any
// other check.
class OutcomePlan
{
public:
    static const QStringList& kinds();

    bool load(const QJsonObject& outcomes, QStringList* errors);
    // The forced code of the kind, if any (consumed).
    std::optional<int> takeForced(const QString& kind);
    // The scenario's next code of the kind, if the scenario gives one.
    std::optional<int> takePlanned(const QString& kind);
    void force(const QString& kind, int code) { m_forced.insert(kind, code); }

private:
    QHash<QString, QList<int>> m_planned;
    QHash<QString, int> m_forced;
};

} // namespace agentsim
